#pragma once

#include "table/services.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace studsim {

// A headless window for the simulator: it keeps every caption, text, switch
// and timer the game sets, answers every message box (Yes to a question, OK
// to anything else), and records the sounds and boxes of the current event.
// Drawing is counted and otherwise ignored.
class RecordingServices final : public stud::Services {
  public:
    explicit RecordingServices(std::uint64_t clockStart);

    void setText(stud::Control c, const std::string& text) override;
    std::string text(stud::Control c) const override;
    void setTextColor(stud::Control label, stud::TextColor color) override;
    void setEnabled(stud::Control c, bool on) override;
    bool isEnabled(stud::Control c) const override;
    void setVisible(stud::Control c, bool on) override;
    bool isVisible(stud::Control c) const override;
    void selectItem(stud::Control group, int item) override;
    int selectedItem(stud::Control group) const override;
    void setPosition(stud::Control updown, int position) override;
    int position(stud::Control updown) const override;

    stud::Answer messageBox(const std::string& text, const std::string& caption,
                            stud::Buttons buttons) override;
    void showMessage(const std::string& text) override;

    void setTimerEnabled(stud::Timer t, bool on) override;
    bool isTimerEnabled(stud::Timer t) const override;
    void setTimerInterval(stud::Timer t, int ms) override;
    int timerInterval(stud::Timer t) const override;

    bool selectBrush(const std::string& file) override;
    void fillRect(int left, int top, int right, int bottom) override;
    void drawImage(stud::ImageSet set, int index, int left, int top) override;
    void setPixel(int x, int y, std::uint32_t rgb) override;
    void repaintWindow() override;
    void repaintControl(stud::Control c) override;

    void playSound(const std::string& file) override;
    void beep() override;
    std::uint64_t currentTime() override;

    stud::TextColor color(stud::Control label) const { return controls_[index(label)].color; }

    // What happened during the current event; cleared by clearEvent().
    struct Box {
        std::string text, caption;
    };
    std::vector<std::string> sounds;
    std::vector<Box> boxes;
    void clearEvent();

    // Simulated timers: each enabled timer falls due `interval` ms after it
    // was enabled or its interval changed, then every interval.
    struct TimerState {
        bool enabled = false;
        int interval = 0;
        std::int64_t due = 0;
    };
    std::int64_t now = 0; // simulated milliseconds
    const TimerState& timer(stud::Timer t) const { return timers_[static_cast<int>(t)]; }
    // Marks the timer's tick as taken: it falls due again one interval later.
    void ticked(stud::Timer t);

    std::uint64_t images = 0, fills = 0, pixels = 0, beeps = 0;

  private:
    static constexpr int kControls = static_cast<int>(stud::Control::Close) + 1;
    static int index(stud::Control c) { return static_cast<int>(c); }

    struct ControlState {
        std::string text;
        stud::TextColor color = stud::TextColor::White;
        bool enabled = true;
        bool visible = true;
        int item = 0;
        int position = 1;
    };
    std::array<ControlState, kControls> controls_{};
    std::array<TimerState, 3> timers_{};
    std::uint64_t clock_;
};

} // namespace studsim
