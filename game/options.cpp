// The options panel's handlers. Every control acts the moment it is used and
// what the settings file keeps is written at once; there is no Cancel. A
// refused write throws SettingsError out of the handler, which ends it at
// that step: what was changed before the write stays, the rest is skipped.

#include "game/game.h"
#include "table/rules.h"
#include "table/seattable.h"
#include "table/strtoint.h"

#include <array>

namespace stud {

namespace {

// The cash labels are refreshed in the order the table has always used.
constexpr std::array<SeatId, kSeats> kCashOrder{freak, player, geek, master, champ};

// Reads an amount typed into one of the edit boxes. Shows the message and
// gives false when it is not a whole number or out of range.
bool typedAmount(Services& ui, Control box, std::int32_t& value) {
    if (!tryStrToInt(ui.text(box), value)) {
        ui.showMessage("Invalid value");
        return false;
    }
    if (value < kMinAmount || value > kMaxAmount) {
        ui.showMessage("the value is off limits");
        return false;
    }
    return true;
}

} // namespace

void Game::Options1Click() {
    ui.setVisible(Control::Panel1, !ui.isVisible(Control::Panel1));
}

void Game::CloseClick() {
    ui.setVisible(Control::Panel1, false);
}

// The new initial cash is handed out at once, even in the middle of a deal:
// pot, cards and street stay, and a seat that was broke is back in.
void Game::enterClick() {
    std::int32_t value = 0;
    if (!typedAmount(ui, Control::money, value)) return;
    t.initialcash = value;
    ui.showMessage("New initial cash value confirmation");
    ini.writeInteger("Cash", "initial", value);
    const std::int32_t cash = clampMoney(std::int64_t{value} - t.ante);
    for (SeatId s : kCashOrder) setcash(s, cash);
}

// Only the target moves; the showdown compares against it from now on.
void Game::unenterClick() {
    std::int32_t value = 0;
    if (!typedAmount(ui, Control::until, value)) return;
    t.playuntil = value;
    ui.showMessage("New until value confirmation");
    ini.writeInteger("Cash", "until", value);
}

// The limits are not stored: every run starts at 1, 2 and 4. The new ante is
// taken at the next deal; the bets count from the next bet on.
void Game::betchange() {
    int p = ui.position(Control::UpDown1);
    if (p < kMinLimit || p > kMaxLimit) {
        // The control keeps itself in range; should it ever report otherwise,
        // pull it back rather than play with a zero or huge ante.
        p = p < kMinLimit ? kMinLimit : kMaxLimit;
        ui.setPosition(Control::UpDown1, p);
    }
    t.ante = p;
    t.smallbet = kSmallBetAntes * p;
    t.bigbet = kBigBetAntes * p;
    ui.setText(Control::Label1, std::to_string(t.ante));
    ui.setText(Control::Label3, std::to_string(t.smallbet));
    ui.setText(Control::Label4, std::to_string(t.bigbet));
}

void Game::Backchange() {
    const int item = ui.selectedItem(Control::background);
    if (item < 0 || item >= kCardBacks) return; // nothing chosen
    t.cardback = kFirstCardBack + item;
    ini.writeInteger("Background", "Color", t.cardback);
    // Every face-down card shows the new back straight away.
    ui.repaintWindow();
}

void Game::LevelsClick() {
    const int item = ui.selectedItem(Control::Levels);
    if (item < 0 || item >= static_cast<int>(kLevels.size())) return; // nothing chosen
    t.complevel = kLevels[item];
    ini.writeInteger("Levels", "comp", t.complevel);
}

void Game::SoundOff1Click() {
    t.soundon = !t.soundon;
    ui.setText(Control::SoundOff1, t.soundon ? "On" : "Off");
    ini.writeBool("Settings", "Sound", t.soundon);
}

} // namespace stud
