#include "game/game.h"
#include "table/cashkeys.h"
#include "table/deck.h"
#include "table/rules.h"
#include "table/seattable.h"

#include <array>
#include <string>
#include <vector>

namespace stud {

void Game::cleardeal() {
    for (SeatId s : kAllSeats) {
        t.seats[s].folded = false;
        t.seats[s].raised = false;
    }
    t.folds = 0;
    t.decided = false;
    showdowns = 0;
}

void Game::startup() {
    // The window as its form describes it, with the buttons' captions.
    ui.setVisible(Control::Panel1, false);
    ui.setText(Control::btnnew, "Deal");
    offerstay(false);
    t.betopens = false;
    ui.setText(Control::btnbet, "Raise");
    ui.setText(Control::btnpass, "Fold");
    ui.setEnabled(Control::btnnew, false);
    clearstatus(player);
    ui.setTimerInterval(Timer::randomwink, kRandomwinkMs);
    ui.setTimerInterval(Timer::winkanim, kBlinkMs);
    ui.setTimerInterval(Timer::wintimer, kWinMs);
    ui.setTimerEnabled(Timer::randomwink, true);
    ui.setTimerEnabled(Timer::winkanim, false);
    ui.setTimerEnabled(Timer::wintimer, false);

    // Stored values. A hand-edited file can hold anything: a card back outside
    // the image set would draw garbage, and a huge level would make every
    // decision run billions of trials, so both fall back to what the panel
    // shows for them (the first back, "Amateur").
    t.cardback = ini.readInteger("Background", "Color", kFirstCardBack);
    if (t.cardback < kFirstCardBack || t.cardback > kLastCardBack) t.cardback = kFirstCardBack;
    for (const CashKey& k : kCashKeys)
        t.seats[k.seat].cash = ini.readInteger("Cash", k.key, kDefaultCash);
    t.playuntil = ini.readInteger("Cash", "until", kDefaultUntil);
    t.initialcash = ini.readInteger("Cash", "initial", kDefaultCash);
    t.soundon = ini.readBool("Settings", "Sound", true);
    ui.setText(Control::SoundOff1, t.soundon ? "On" : "Off");
    t.complevel = ini.readInteger("Levels", "comp", kDefaultLevel);
    if (levelItem(t.complevel) < 0) t.complevel = kDefaultLevel;
    ui.selectItem(Control::Levels, levelItem(t.complevel));

    // Written back at once, so a first start leaves a complete file.
    // One group, so the file holds all eight or what it held before.
    std::vector<SettingsValue> group{{"Background", "Color", std::to_string(t.cardback)}};
    for (const SettingsValue& v : cashgroup(t)) group.push_back(v);
    group.push_back({"Cash", "until", std::to_string(t.playuntil)});
    group.push_back({"Cash", "initial", std::to_string(t.initialcash)});
    ini.write(group);

    ui.selectItem(Control::background, t.cardback - kFirstCardBack);
    ui.setText(Control::money, std::to_string(t.initialcash));
    ui.setText(Control::until, std::to_string(t.playuntil));

    t.ante = kDefaultAnte;
    rng.seed(ui.currentTime());
    t.smallbet = kSmallBetAntes * kMinLimit;
    t.bigbet = kBigBetAntes * kMinLimit;
    ui.setText(Control::Label1, std::to_string(t.ante));
    ui.setText(Control::Label3, std::to_string(t.smallbet));
    ui.setText(Control::Label4, std::to_string(t.bigbet));
    ui.setPosition(Control::UpDown1, kMinLimit);

    // The first deal is opened by champ, and the rotation starts there too.
    t.opener = kFirstOpener;
    t.rotation = kFirstOpener;
    builddecks(t);
    for (SeatId s : kAllSeats) setcash(s, t.seats[s].cash); // the labels show what was read
    t.tocall = t.smallbet;
    startdeal();
    offerstay(true);

    // The first deal begins with champ's opening bet standing; the human acts first.
    t.seats[seatOfNo(t.opener)].raised = true;
    if (watcher_) watcher_->moved(seatOfNo(t.opener), Move::opens, 0);
}

void Game::startdeal() {
    cleardeal();
    t.street = kFirstStreet;
    for (SeatId s : kOpponents)
        if (t.seats[s].cash < 1) ++t.folds;
    takeante();
    for (SeatId s : kAllSeats) clearstatus(s);
    shuffle(t, rng);
    drawcards();
    offermoves();
}

void Game::offermoves() {
    ui.setEnabled(Control::btnnew, false);
    ui.setEnabled(Control::btnpass, true);
    ui.setEnabled(Control::btnstay, true);
    ui.setEnabled(Control::btnbet, true);
}

void Game::offerdeal() {
    ui.setEnabled(Control::btnnew, true);
    ui.setEnabled(Control::btnbet, false);
    ui.setEnabled(Control::btnpass, false);
    ui.setEnabled(Control::btnstay, false);
}

} // namespace stud
