#pragma once

// A window that draws nothing and answers every box with its first button:
// the benchmarks measure the game's own work only.

#include "table/services.h"

namespace stud::bench {

class NullServices final : public Services {
  public:
    void setText(Control, const std::string&) override {}
    std::string text(Control) const override { return {}; }
    void setTextColor(Control, TextColor) override {}
    void setEnabled(Control, bool) override {}
    bool isEnabled(Control) const override { return true; }
    void setVisible(Control, bool) override {}
    bool isVisible(Control) const override { return true; }
    void selectItem(Control, int) override {}
    int selectedItem(Control) const override { return 0; }
    void setPosition(Control, int) override {}
    int position(Control) const override { return 1; }
    Answer messageBox(const std::string&, const std::string&, Buttons b) override {
        return b == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    void showMessage(const std::string&) override {}
    void setTimerEnabled(Timer, bool) override {}
    bool isTimerEnabled(Timer) const override { return false; }
    void setTimerInterval(Timer, int) override {}
    int timerInterval(Timer) const override { return 150; }
    bool selectBrush(const std::string&) override { return true; }
    void fillRect(int, int, int, int) override {}
    void drawImage(ImageSet, int, int, int) override {}
    void setPixel(int, int, std::uint32_t) override {}
    void repaintWindow() override {}
    void repaintControl(Control) override {}
    void playSound(const std::string&) override {}
    void beep() override {}
    std::uint64_t currentTime() override { return 0; }
};

} // namespace stud::bench
