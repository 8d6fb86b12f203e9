#include "game/game.h"
#include "support/fakeservices.h"
#include "support/gamesteps.h"
#include "support/scriptedrandom.h"
#include "support/tempdir.h"
#include "table/seattable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace stud;
using stud::testing::FakeServices;
using stud::testing::TempDir;

namespace {

namespace fs = std::filesystem;

// A game over a fake window and a settings file of its own in a fresh folder.
class Options : public ::testing::Test {
  protected:
    Options() : game(ui, rng, ini) {
        ui.visible[Control::Panel1] = false;
        for (SeatId s : kAllSeats) steps.setcash(s, 1200);
        ui.clearLog();
    }
    std::string file() const {
        std::ifstream in(ini.path());
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    std::vector<std::string> messages() const {
        std::vector<std::string> out;
        for (const auto& b : ui.boxes) out.push_back(b.text);
        return out;
    }

    std::vector<std::int32_t> cash() const {
        std::vector<std::int32_t> out;
        for (SeatId s : kAllSeats) out.push_back(game.state().seats[s].cash);
        return out;
    }

    TempDir tmp{"studoptions"};
    const fs::path& dir = tmp.path();
    FakeServices ui;
    ConstantRandom rng;
    IniFile ini{tmp.file("tarvo.ini")};
    Game game;
    GameSteps steps{game};
};

using Strings = std::vector<std::string>;
using Amounts = std::vector<std::int32_t>;

// ---- initial cash ----------------------------------------------------------

TEST_F(Options, InitialCashAcceptsBothEndsOfTheRange) {
    for (std::int32_t v : {100, 1000000}) {
        SCOPED_TRACE(v);
        ui.clearLog();
        ui.texts[Control::money] = std::to_string(v);
        game.click(Control::enter);
        EXPECT_EQ(messages(), Strings{"New initial cash value confirmation"});
        EXPECT_EQ(game.state().initialcash, v);
        EXPECT_NE(file().find("initial=" + std::to_string(v)), std::string::npos) << file();
        EXPECT_EQ(cash(), Amounts(5, v - 1));
    }
    ui.texts[Control::money] = "+250"; // a sign is part of a whole number
    game.click(Control::enter);
    EXPECT_EQ(game.state().initialcash, 250);
}

TEST_F(Options, InitialCashOfAThousandWithAnteTwoGivesEverySeat998) {
    ui.positions[Control::UpDown1] = 2;
    game.click(Control::UpDown1);
    // A deal in progress: something in the pot, one opponent broke.
    steps.setpot(37);
    steps.setcash(geek, 0);
    steps.table().street = 3;
    ui.texts[Control::money] = "1000";

    game.click(Control::enter);

    EXPECT_EQ(cash(), Amounts(5, 998));
    for (SeatId s : kAllSeats) EXPECT_EQ(ui.text(kSeatInfo[s].cashLabel), "998");
    EXPECT_NE(file().find("initial=1000"), std::string::npos) << file();
    EXPECT_NE(file().find("[Cash]"), std::string::npos);
    // The deal goes on where it was; the broke seat is back in.
    EXPECT_EQ(game.state().pot, 37);
    EXPECT_EQ(game.state().street, 3);
    EXPECT_TRUE(indeal(game.state(), geek));
}

TEST_F(Options, InitialCashOutOfRangeOrNotANumberChangesNothing) {
    struct Case {
        std::string typed, message;
    };
    const std::vector<Case> cases{
        {"99", "the value is off limits"},
        {"1000001", "the value is off limits"},
        {"-500", "the value is off limits"},
        {"0", "the value is off limits"},
        {"", "Invalid value"},
        {"12a", "Invalid value"},
        {" 500", "Invalid value"},
        {"500 ", "Invalid value"},
        {"1e3", "Invalid value"},
        {"0x200", "Invalid value"},
        {"+", "Invalid value"},
        {"99999999999", "Invalid value"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("typed '" + c.typed + "'");
        ui.clearLog();
        ui.texts[Control::money] = c.typed;
        game.click(Control::enter);
        EXPECT_EQ(messages(), Strings{c.message});
        EXPECT_EQ(game.state().initialcash, 1200);
        EXPECT_EQ(cash(), Amounts(5, 1200));
        EXPECT_FALSE(fs::exists(ini.path()));
        // The box keeps what was typed, so that it can be corrected.
        EXPECT_EQ(ui.text(Control::money), c.typed);
    }
}

// ---- play until ------------------------------------------------------------

TEST_F(Options, PlayUntilIsStoredWithoutTouchingTheCash) {
    for (std::int32_t v : {100, 1000000, 2500}) {
        SCOPED_TRACE(v);
        ui.clearLog();
        ui.texts[Control::until] = std::to_string(v);
        game.click(Control::unenter);
        EXPECT_EQ(messages(), Strings{"New until value confirmation"});
        EXPECT_EQ(game.state().playuntil, v);
        EXPECT_NE(file().find("until=" + std::to_string(v)), std::string::npos) << file();
    }
    EXPECT_EQ(cash(), Amounts(5, 1200));
    EXPECT_EQ(game.state().initialcash, 1200);
    EXPECT_EQ(file().find("initial="), std::string::npos);
}

TEST_F(Options, PlayUntilRejectionsKeepThePreviousTarget) {
    for (const auto& [typed, message] :
         std::vector<std::pair<std::string, std::string>>{{"99", "the value is off limits"},
                                                          {"1000001", "the value is off limits"},
                                                          {"", "Invalid value"},
                                                          {"12a", "Invalid value"}}) {
        SCOPED_TRACE("typed '" + typed + "'");
        ui.clearLog();
        ui.texts[Control::until] = typed;
        game.click(Control::unenter);
        EXPECT_EQ(messages(), Strings{message});
        EXPECT_EQ(game.state().playuntil, 1000);
        EXPECT_FALSE(fs::exists(ini.path()));
    }
}

// ---- betting limits --------------------------------------------------------

TEST_F(Options, LimitsFollowTheUpDownAndAreNotStored) {
    const auto limits = [&] {
        const auto& t = game.state();
        return std::vector<std::int32_t>{t.ante, t.smallbet, t.bigbet};
    };
    const auto labels = [&] {
        return Strings{ui.text(Control::Label1), ui.text(Control::Label3),
                       ui.text(Control::Label4)};
    };
    ui.positions[Control::UpDown1] = 2;
    game.click(Control::UpDown1);
    EXPECT_EQ(limits(), (Amounts{2, 4, 8}));
    EXPECT_EQ(labels(), (Strings{"2", "4", "8"}));

    // At either end the control stays put and the limits with it.
    ui.positions[Control::UpDown1] = 1;
    game.click(Control::UpDown1);
    game.click(Control::UpDown1);
    EXPECT_EQ(limits(), (Amounts{1, 2, 4}));
    EXPECT_EQ(labels(), (Strings{"1", "2", "4"}));
    ui.positions[Control::UpDown1] = 15;
    game.click(Control::UpDown1);
    game.click(Control::UpDown1);
    EXPECT_EQ(limits(), (Amounts{15, 30, 60}));
    EXPECT_EQ(labels(), (Strings{"15", "30", "60"}));

    EXPECT_FALSE(fs::exists(ini.path()));
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(Options, LimitsNeverLeaveTheRangeOfTheControl) {
    ui.positions[Control::UpDown1] = 0;
    game.click(Control::UpDown1);
    EXPECT_EQ(game.state().ante, 1);
    EXPECT_EQ(ui.position(Control::UpDown1), 1);
    ui.positions[Control::UpDown1] = 99;
    game.click(Control::UpDown1);
    EXPECT_EQ(game.state().bigbet, 60);
    EXPECT_EQ(ui.position(Control::UpDown1), 15);
}

// ---- card back, level, sound -------------------------------------------------

TEST_F(Options, CardBackIsStoredAndShownAtOnce) {
    ui.items[Control::background] = 7; // "8"
    game.click(Control::background);
    EXPECT_EQ(game.state().cardback, 59);
    EXPECT_NE(file().find("Color=59"), std::string::npos) << file();
    EXPECT_NE(file().find("[Background]"), std::string::npos);
    EXPECT_EQ(ui.windowRepaints, 1);

    ui.items[Control::background] = 0; // "1"
    game.click(Control::background);
    EXPECT_EQ(game.state().cardback, 52);
    EXPECT_NE(file().find("Color=52"), std::string::npos) << file();
    EXPECT_EQ(ui.windowRepaints, 2);
}

TEST_F(Options, EveryLevelIsStoredWithItsTrialCount) {
    const std::pair<int, std::int32_t> levels[]{{3, 900}, {1, 400}, {2, 600}, {0, 200}};
    for (const auto& [item, trials] : levels) {
        ui.items[Control::Levels] = item;
        game.click(Control::Levels);
        EXPECT_EQ(game.state().complevel, trials);
        EXPECT_NE(file().find("comp=" + std::to_string(trials)), std::string::npos) << file();
        EXPECT_NE(file().find("[Levels]"), std::string::npos);
    }
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(Options, NoItemChosenLeavesLevelAndBackAlone) {
    ui.items[Control::Levels] = -1;
    ui.items[Control::background] = -1;
    game.click(Control::Levels);
    game.click(Control::background);
    EXPECT_EQ(game.state().complevel, 200);
    EXPECT_EQ(game.state().cardback, 52);
    EXPECT_EQ(ui.windowRepaints, 0);
    EXPECT_FALSE(fs::exists(ini.path()));
}

TEST_F(Options, SoundToggledTwiceWritesTwiceAndEndsAsItBegan) {
    game.click(Control::SoundOff1);
    EXPECT_FALSE(game.state().soundon);
    EXPECT_EQ(ui.text(Control::SoundOff1), "Off");
    EXPECT_NE(file().find("Sound=0"), std::string::npos) << file();
    EXPECT_NE(file().find("[Settings]"), std::string::npos);

    // Sounds stop at once.
    steps.playsound("card1.wav");
    EXPECT_TRUE(ui.sounds.empty());

    game.click(Control::SoundOff1);
    EXPECT_TRUE(game.state().soundon);
    EXPECT_EQ(ui.text(Control::SoundOff1), "On");
    EXPECT_NE(file().find("Sound=1"), std::string::npos) << file();
    EXPECT_EQ(file().find("Sound=0"), std::string::npos) << file();
    steps.playsound("card1.wav");
    EXPECT_EQ(ui.sounds, Strings{"card1.wav"});
}

// ---- the panel itself --------------------------------------------------------

TEST_F(Options, OptionsButtonTogglesThePanelAndOkHidesIt) {
    game.click(Control::Options1);
    EXPECT_TRUE(ui.isVisible(Control::Panel1));
    game.click(Control::Options1);
    EXPECT_FALSE(ui.isVisible(Control::Panel1));
    game.click(Control::Options1);
    game.click(Control::Close);
    EXPECT_FALSE(ui.isVisible(Control::Panel1));
    game.click(Control::Close); // Ok on a hidden panel changes nothing
    EXPECT_FALSE(ui.isVisible(Control::Panel1));
    EXPECT_FALSE(fs::exists(ini.path()));
}

// ---- a settings file that cannot be written ----------------------------------

// The folder of the settings file is an ordinary file: every write is refused.
class RefusedWrites : public Options {
  protected:
    RefusedWrites() : blocked(blockedPath()), blockedGame(ui, rng, blocked) {
        for (SeatId s : kAllSeats) GameSteps{blockedGame}.setcash(s, 1200);
        ui.clearLog();
    }
    std::string blockedPath() {
        const fs::path notADir = dir / "not-a-folder";
        std::ofstream(notADir) << "x";
        return (notADir / "tarvo.ini").string();
    }
    IniFile blocked;
    Game blockedGame;
};

TEST_F(RefusedWrites, AcceptedInitialCashIsKeptButNoSeatIsPaid) {
    ui.texts[Control::money] = "1000";
    EXPECT_THROW(blockedGame.click(Control::enter), SettingsError);
    EXPECT_EQ(blockedGame.state().initialcash, 1000);
    for (SeatId s : kAllSeats) EXPECT_EQ(blockedGame.state().seats[s].cash, 1200);
    EXPECT_EQ(messages(), Strings{"New initial cash value confirmation"});
}

TEST_F(RefusedWrites, EachHandlerKeepsWhatItChangedBeforeTheWrite) {
    ui.texts[Control::until] = "500";
    EXPECT_THROW(blockedGame.click(Control::unenter), SettingsError);
    EXPECT_EQ(blockedGame.state().playuntil, 500);

    ui.items[Control::background] = 3;
    EXPECT_THROW(blockedGame.click(Control::background), SettingsError);
    EXPECT_EQ(blockedGame.state().cardback, 55);
    EXPECT_EQ(ui.windowRepaints, 0);

    ui.items[Control::Levels] = 2;
    EXPECT_THROW(blockedGame.click(Control::Levels), SettingsError);
    EXPECT_EQ(blockedGame.state().complevel, 600);

    EXPECT_THROW(blockedGame.click(Control::SoundOff1), SettingsError);
    EXPECT_FALSE(blockedGame.state().soundon);
    EXPECT_EQ(ui.text(Control::SoundOff1), "Off");
}

} // namespace
