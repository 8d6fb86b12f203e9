#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace stud {

// Every control of the window that the game talks to, by its form name.
enum class Control {
    // table labels. The form's names mislead: Label2 and the four
    // `<seat>cash` labels (freakcash is Peter's) show the seats' names; `cash`
    // and the `lbl?cash` labels (lblfcash is Peter's) show their cash.
    Label2,
    cash,
    playerstatus,
    freakcash,
    lblfcash,
    freakstatus,
    geekcash,
    lblgcash,
    geekstatus,
    mastercash,
    lblmcash,
    masterstatus,
    champcash,
    lblccash,
    champstatus,
    betsize,
    // table buttons
    btnnew,
    btnstay,
    btnbet,
    btnpass,
    NewGame1,
    Options1,
    About1,
    // options panel
    Panel1,
    money,
    until,
    enter,
    unenter,
    Levels,
    background,
    Label1,
    Label3,
    Label4,
    UpDown1,
    SoundOff1,
    Close,
};

enum class TextColor { White, Yellow };
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No, Other };
enum class Timer { randomwink, winkanim, wintimer };
enum class ImageSet { cards, players, coins };

// The game's sounds: a card dealt (two for variety), the chips of a raise,
// the human's and an opponent's win. The front end loads all of them ahead.
inline constexpr const char* kCardSound1 = "card1.wav";
inline constexpr const char* kCardSound2 = "card2.wav";
inline constexpr const char* kChipSound = "chip1.wav";
inline constexpr const char* kPlayerWinSound = "chip3.wav";
inline constexpr const char* kOpponentWinSound = "chip4.wav";
inline constexpr const char* kSoundFiles[] = {kCardSound1, kCardSound2, kChipSound, kPlayerWinSound,
                                              kOpponentWinSound};

// The error the game raises for a platform failure (a refused settings write,
// a text that is no number). The front end shows its message in the standard
// error box; it ends the handler that raised it.
class StudError : public std::runtime_error {
  public:
    // `text` is the message, with "%1" standing for `value` when it has one;
    // what() reads them joined. The front end translates the text by itself.
    explicit StudError(const std::string& text, const std::string& value = {})
        : std::runtime_error(joined(text, value)), text_(text), value_(value) {}
    const std::string& text() const { return text_; }
    const std::string& value() const { return value_; }

  private:
    static std::string joined(const std::string& text, const std::string& value) {
        const auto at = text.find("%1");
        if (at == std::string::npos) return text;
        return text.substr(0, at) + value + text.substr(at + 2);
    }
    std::string text_, value_;
};

// The platform operations the game logic uses: the only way the core reaches
// the screen, the speaker and the clock. All calls come from the one UI thread.
class Services {
  public:
    virtual ~Services() = default;

    // Labels, buttons, edit boxes: captions and texts.
    virtual void setText(Control c, const std::string& text) = 0;
    virtual std::string text(Control c) const = 0;
    virtual void setTextColor(Control label, TextColor color) = 0;
    virtual void setEnabled(Control c, bool on) = 0;
    virtual bool isEnabled(Control c) const = 0;
    // Panel1 only.
    virtual void setVisible(Control c, bool on) = 0;
    virtual bool isVisible(Control c) const = 0;
    // Radio groups (Levels, background): the selected item; the up-down's position.
    virtual void selectItem(Control group, int item) = 0;
    virtual int selectedItem(Control group) const = 0;
    virtual void setPosition(Control updown, int position) = 0;
    virtual int position(Control updown) const = 0;

    // Modal message box; returns when the user closed it.
    virtual Answer messageBox(const std::string& text, const std::string& caption,
                              Buttons buttons) = 0;
    // Message with the application's title as caption and one OK button.
    virtual void showMessage(const std::string& text) = 0;

    virtual void setTimerEnabled(Timer t, bool on) = 0;
    virtual bool isTimerEnabled(Timer t) const = 0;
    // Changing the interval restarts the count.
    virtual void setTimerInterval(Timer t, int ms) = 0;
    virtual int timerInterval(Timer t) const = 0;

    // Drawing on the window surface. selectBrush loads a bitmap file and makes
    // it the tiled fill pattern (tiling from the window origin); on failure it
    // returns false and the previous pattern stays. fillRect fills
    // [left, right) x [top, bottom) with the pattern, or the window colour
    // (black) while no pattern was ever loaded.
    virtual bool selectBrush(const std::string& file) = 0;
    virtual void fillRect(int left, int top, int right, int bottom) = 0;
    virtual void drawImage(ImageSet set, int index, int left, int top) = 0;
    virtual void setPixel(int x, int y, std::uint32_t rgb) = 0;
    // Ask for the window's paint handler (Game::redraw) to run.
    virtual void repaintWindow() = 0;
    // Repaint one child control (a label over the canvas).
    virtual void repaintControl(Control c) = 0;

    // Start a WAVE file from the working directory; cuts the one playing,
    // never waits; a missing file gives the default sound.
    virtual void playSound(const std::string& file) = 0;
    virtual void beep() = 0;

    // Current time, used only to seed the random generator.
    virtual std::uint64_t currentTime() = 0;
};

} // namespace stud
