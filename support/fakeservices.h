#pragma once

#include "table/rules.h"
#include "table/services.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

namespace stud::testing {

// A Services that remembers everything the game asked for, for assertions.
// Message boxes are answered from `answers` (front first); when it is empty a
// Yes/No box is answered `defaultAnswer` and an OK box with Ok.
class FakeServices : public Services {
  public:
    struct Box {
        std::string text, caption;
        Buttons buttons;
    };
    enum class Op { FillRect, Image, Pixel, Brush };
    struct Draw {
        Op op;
        ImageSet set = ImageSet::cards;
        int index = 0; // image index; for Pixel the colour
        int x = 0, y = 0, right = 0, bottom = 0;
        std::string file; // Brush
    };

    void setText(Control c, const std::string& s) override { texts[c] = s; }
    std::string text(Control c) const override {
        auto it = texts.find(c);
        return it == texts.end() ? std::string() : it->second;
    }
    void setTextColor(Control c, TextColor col) override { colors[c] = col; }
    TextColor color(Control c) const {
        auto it = colors.find(c);
        return it == colors.end() ? TextColor::White : it->second;
    }
    void setEnabled(Control c, bool on) override { enabled[c] = on; }
    bool isEnabled(Control c) const override {
        auto it = enabled.find(c);
        return it == enabled.end() ? true : it->second;
    }
    void setVisible(Control c, bool on) override { visible[c] = on; }
    bool isVisible(Control c) const override {
        auto it = visible.find(c);
        return it == visible.end() ? true : it->second;
    }
    void selectItem(Control c, int item) override { items[c] = item; }
    int selectedItem(Control c) const override {
        auto it = items.find(c);
        return it == items.end() ? 0 : it->second;
    }
    void setPosition(Control c, int p) override { positions[c] = p; }
    int position(Control c) const override {
        auto it = positions.find(c);
        return it == positions.end() ? 1 : it->second;
    }

    Answer messageBox(const std::string& t, const std::string& cap, Buttons b) override {
        boxes.push_back({t, cap, b});
        if (!answers.empty()) {
            Answer a = answers.front();
            answers.pop_front();
            return a;
        }
        return b == Buttons::YesNo ? defaultAnswer : Answer::Ok;
    }
    void showMessage(const std::string& t) override { boxes.push_back({t, "", Buttons::Ok}); }

    void setTimerEnabled(Timer t, bool on) override { timers[t] = on; }
    bool isTimerEnabled(Timer t) const override {
        auto it = timers.find(t);
        return it != timers.end() && it->second;
    }
    void setTimerInterval(Timer t, int ms) override { intervals[t] = ms; }
    int timerInterval(Timer t) const override {
        auto it = intervals.find(t);
        if (it != intervals.end()) return it->second;
        return t == Timer::randomwink ? kRandomwinkMs : kBlinkMs;
    }

    bool selectBrush(const std::string& file) override {
        draws.push_back({Op::Brush, ImageSet::cards, 0, 0, 0, 0, 0, file});
        if (!brushLoads) return false;
        brushSelected = true;
        return true;
    }
    void fillRect(int l, int t, int r, int b) override {
        draws.push_back({Op::FillRect, ImageSet::cards, brushSelected ? 1 : 0, l, t, r, b, {}});
    }
    void drawImage(ImageSet set, int index, int l, int t) override {
        draws.push_back({Op::Image, set, index, l, t, 0, 0, {}});
    }
    void setPixel(int x, int y, std::uint32_t rgb) override {
        draws.push_back({Op::Pixel, ImageSet::cards, static_cast<int>(rgb), x, y, 0, 0, {}});
    }
    void repaintWindow() override { ++windowRepaints; }
    void repaintControl(Control c) override { controlRepaints.push_back(c); }

    void playSound(const std::string& file) override { sounds.push_back(file); }
    void beep() override { ++beeps; }
    std::uint64_t currentTime() override { return now; }

    // The images drawn, in order (set, index, left, top), without fills and pixels.
    std::vector<Draw> images() const {
        std::vector<Draw> out;
        for (const auto& d : draws)
            if (d.op == Op::Image) out.push_back(d);
        return out;
    }
    // The four game buttons as "DCRF" (Deal, Check/Call, Raise, Fold), '-' for a disabled one.
    std::string enabledButtons() const {
        std::string s;
        s += isEnabled(Control::btnnew) ? 'D' : '-';
        s += isEnabled(Control::btnstay) ? 'C' : '-';
        s += isEnabled(Control::btnbet) ? 'R' : '-';
        s += isEnabled(Control::btnpass) ? 'F' : '-';
        return s;
    }
    void clearLog() {
        draws.clear();
        sounds.clear();
        boxes.clear();
        controlRepaints.clear();
        beeps = 0;
        windowRepaints = 0;
    }

    std::map<Control, std::string> texts;
    std::map<Control, TextColor> colors;
    std::map<Control, bool> enabled, visible;
    std::map<Control, int> items, positions;
    std::map<Timer, bool> timers;
    std::map<Timer, int> intervals;
    std::deque<Answer> answers;
    Answer defaultAnswer = Answer::Yes;
    std::vector<Box> boxes;
    std::vector<Draw> draws;
    std::vector<std::string> sounds;
    std::vector<Control> controlRepaints;
    bool brushLoads = true;
    bool brushSelected = false;
    int beeps = 0;
    int windowRepaints = 0;
    std::uint64_t now = 12345;
};

} // namespace stud::testing
