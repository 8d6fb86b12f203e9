#pragma once

#include "table/rules.h"
#include "table/services.h"

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

namespace stud::testing {

// A headless window for the tests, studsim and the benchmarks. It keeps every
// caption, switch and timer the game sets, like a real window, and remembers
// as much of what the game asked for as `record` says: the tests look at
// everything, studsim prints only the sounds and boxes of each event, and the
// benchmarks keep nothing so that they time the game and not the bookkeeping.
// Message boxes are answered from `answers` (front first); when it is empty a
// Yes/No box is answered `defaultAnswer` and an OK box with Ok.
class FakeServices : public Services {
  public:
    enum class Record {
        everything, // boxes, sounds, draws and repaints
        printed,    // boxes and sounds only
        nothing,
    };
    explicit FakeServices(Record r = Record::everything) : record(r) {}

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
        if (record != Record::nothing) boxes.push_back({t, cap, b});
        if (!answers.empty()) {
            Answer a = answers.front();
            answers.pop_front();
            return a;
        }
        return b == Buttons::YesNo ? defaultAnswer : Answer::Ok;
    }
    void showMessage(const std::string& t) override {
        if (record != Record::nothing) boxes.push_back({t, "", Buttons::Ok});
    }

    void setTimerEnabled(Timer t, bool on) override {
        if (on && !isTimerEnabled(t)) due[t] = elapsedMs + timerInterval(t);
        timers[t] = on;
    }
    bool isTimerEnabled(Timer t) const override {
        auto it = timers.find(t);
        return it != timers.end() && it->second;
    }
    void setTimerInterval(Timer t, int ms) override {
        intervals[t] = ms;
        due[t] = elapsedMs + ms; // a new interval restarts the count
    }
    int timerInterval(Timer t) const override {
        auto it = intervals.find(t);
        if (it != intervals.end()) return it->second;
        switch (t) {
        case Timer::randomwink:
            return kRandomwinkMs;
        case Timer::winkanim:
            return kBlinkMs;
        case Timer::wintimer:
            return kWinMs;
        }
        return 0;
    }

    bool selectBrush(const std::string& file) override {
        if (record == Record::everything)
            draws.push_back({Op::Brush, ImageSet::cards, 0, 0, 0, 0, 0, file});
        if (!brushLoads) return false;
        brushSelected = true;
        return true;
    }
    void fillRect(int l, int t, int r, int b) override {
        if (record == Record::everything)
            draws.push_back({Op::FillRect, ImageSet::cards, brushSelected ? 1 : 0, l, t, r, b, {}});
    }
    void drawImage(ImageSet set, int index, int l, int t) override {
        if (record == Record::everything) draws.push_back({Op::Image, set, index, l, t, 0, 0, {}});
    }
    void setPixel(int x, int y, std::uint32_t rgb) override {
        if (record == Record::everything)
            draws.push_back({Op::Pixel, ImageSet::cards, static_cast<int>(rgb), x, y, 0, 0, {}});
    }
    void repaintWindow() override { ++windowRepaints; }
    void repaintControl(Control c) override {
        if (record == Record::everything) controlRepaints.push_back(c);
    }

    void playSound(const std::string& file) override {
        if (record != Record::nothing) sounds.push_back(file);
    }
    void beep() override { ++beeps; }
    // The clock moves on by `clockStep` at every look (none by default), so
    // a game that reseeds from it gets a new but reproducible sequence.
    std::uint64_t currentTime() override {
        now += clockStep;
        return now;
    }

    // The captions the window's form gives its controls before the game runs,
    // for a run that reads them back as the real window would.
    void showForm();

    // Simulated timers: each enabled timer falls due one interval after it was
    // enabled or its interval changed, then every interval. `elapsedMs` is the
    // simulated time; the caller moves it on.
    std::int64_t dueAt(Timer t) const {
        auto it = due.find(t);
        return it == due.end() ? 0 : it->second;
    }
    // Marks the timer's tick as taken: it falls due again one interval later.
    void ticked(Timer t) {
        const int ms = timerInterval(t);
        due[t] = elapsedMs + (ms > 0 ? ms : 1);
    }

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
    // Forgets what the last event asked for; the controls and timers stay.
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
    std::map<Timer, std::int64_t> due;
    std::int64_t elapsedMs = 0;
    Record record;
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
    std::uint64_t clockStep = 0;
};

} // namespace stud::testing
