// Building the table at program start: the settings read and written back,
// odd stored values, the first deal with champ's opening bet standing.

#include "gametable.h"
#include "table/deck.h"

using namespace stud;

namespace {

class Startup : public stud::testing::GameTable {};

TEST_F(Startup, FirstStartWithoutAFileUsesTheDefaultsAndLeavesAFile) {
    ui.now = 777;
    game.startup();

    for (SeatId s : kAllSeats) EXPECT_EQ(t.seats[s].cash, 1199) << s; // 1200 less the ante
    EXPECT_EQ(t.initialcash, 1200);
    EXPECT_EQ(t.playuntil, 1000);
    EXPECT_EQ(t.cardback, 52);
    EXPECT_TRUE(t.soundon);
    EXPECT_EQ(t.complevel, 200);

    const std::string file = settingsText();
    IniFile reread(ini.path());
    EXPECT_EQ(reread.readString("Background", "Color", "?"), "52");
    for (const char* key : {"freak", "player", "geek", "master", "champ", "initial"})
        EXPECT_EQ(reread.readString("Cash", key, "?"), "1200") << key;
    EXPECT_EQ(reread.readString("Cash", "until", "?"), "1000");
    EXPECT_EQ(file.find("[Settings]"), std::string::npos) << file;
    EXPECT_EQ(file.find("[Levels]"), std::string::npos) << file;
    // Written back in the order read: the card back, then the cash section
    // seat by seat (freak first) and the two match limits.
    std::size_t at = 0;
    for (const char* entry : {"[Background]", "Color=52", "[Cash]", "freak=", "player=", "geek=",
                              "master=", "champ=", "until=", "initial="}) {
        const std::size_t found = file.find(entry, at);
        ASSERT_NE(found, std::string::npos) << entry << " in order in\n" << file;
        at = found;
    }

    // The generator is seeded from the clock once, then the shuffle's draws.
    EXPECT_EQ(rng.seeds, 1);
    EXPECT_EQ(zero.draws, 40002u);
}

TEST_F(Startup, TheTableAfterStartUp) {
    game.startup();

    EXPECT_FALSE(ui.isVisible(Control::Panel1));
    EXPECT_EQ(enabledButtons(), "-CRF");
    EXPECT_EQ(ui.text(Control::btnstay), "Call");
    EXPECT_EQ(ui.text(Control::btnbet), "Raise");
    EXPECT_EQ(ui.text(Control::btnnew), "Deal");
    EXPECT_EQ(ui.text(Control::btnpass), "Fold");

    EXPECT_EQ(ui.text(Control::money), "1200");
    EXPECT_EQ(ui.text(Control::until), "1000");
    EXPECT_EQ(ui.text(Control::SoundOff1), "On");
    EXPECT_EQ(ui.selectedItem(Control::Levels), 0);
    EXPECT_EQ(ui.selectedItem(Control::background), 0);
    EXPECT_EQ(ui.text(Control::Label1), "1");
    EXPECT_EQ(ui.text(Control::Label3), "2");
    EXPECT_EQ(ui.text(Control::Label4), "4");

    for (Control c : {Control::cash, Control::lblfcash, Control::lblgcash, Control::lblmcash,
                      Control::lblccash})
        EXPECT_EQ(ui.text(c), "1199");
    EXPECT_EQ(ui.text(Control::betsize), "5");
    for (SeatId s : kAllSeats) {
        EXPECT_EQ(t.seats[s].status, "");
        EXPECT_EQ(ui.text(kSeatInfo[s].statusLabel), "") << s;
        EXPECT_FALSE(t.seats[s].folded);
    }

    EXPECT_EQ(t.street, 1);
    EXPECT_EQ(t.opener, 1);
    EXPECT_EQ(t.rotation, 1);
    EXPECT_EQ(t.folds, 0);
    EXPECT_EQ(t.seated, 5);
    EXPECT_EQ(t.pot, 5);
    EXPECT_EQ(t.ante, 1);
    EXPECT_EQ(t.smallbet, 2);
    EXPECT_EQ(t.bigbet, 4);
    EXPECT_EQ(t.tocall, 2);
    EXPECT_FALSE(t.decided);
    EXPECT_FALSE(game.dealdecided());
    // Champ's opening bet stands, unpaid; nobody else's.
    EXPECT_TRUE(t.seats[champ].raised);
    EXPECT_FALSE(t.seats[freak].raised || t.seats[geek].raised || t.seats[master].raised);

    // Both decks were filled in order; the deck was then shuffled in place
    // (the constant generator leaves it in order) and dealt.
    Deck ordered;
    for (int i = 0; i < 52; ++i) ordered[i] = Card{i / 13, i % 13};
    EXPECT_EQ(t.simdeck, ordered);
    EXPECT_EQ(t.deck, ordered);
    EXPECT_EQ(t.seats[player].hand[0], ordered[7]);

    // Street 1 is on the table: three cards for the human, three per opponent.
    int cards = 0;
    for (const auto& d : ui.images()) cards += d.set == ImageSet::cards;
    EXPECT_EQ(cards, 15);
}

TEST_F(Startup, StoredValuesAreReadWhateverTheirSpelling) {
    writeSettings("[background]\r\ncolor=59\r\n"
                  "[CASH]\r\nplayer=0x10\r\nfreak=abc\r\ngeek=-40\r\nmaster=5\r\nchamp=2000\r\n"
                  "until=300\r\ninitial=500\r\n"
                  "[Settings]\r\nSound=0\r\n[Levels]\r\ncomp=900\r\n");
    game.startup();
    EXPECT_EQ(t.cardback, 59);
    EXPECT_EQ(ui.selectedItem(Control::background), 7);
    EXPECT_EQ(t.seats[player].cash, 15);  // 0x10 less the ante
    EXPECT_EQ(t.seats[freak].cash, 1199); // not a number: the default
    EXPECT_EQ(t.seats[geek].cash, -40);   // negative amounts are taken as read
    EXPECT_EQ(t.seats[master].cash, 4);
    EXPECT_EQ(t.seats[champ].cash, 1999);
    EXPECT_EQ(t.playuntil, 300);
    EXPECT_EQ(t.initialcash, 500);
    EXPECT_FALSE(t.soundon);
    EXPECT_EQ(ui.text(Control::SoundOff1), "Off");
    EXPECT_EQ(t.complevel, 900);
    EXPECT_EQ(ui.selectedItem(Control::Levels), 3);
    EXPECT_EQ(ui.text(Control::money), "500");
    EXPECT_EQ(ui.text(Control::until), "300");
    EXPECT_EQ(ui.text(Control::lblgcash), "-40") << "a broke seat's label shows what was read";

    // Written back as read (before the ante), in the game's own spelling.
    IniFile reread(ini.path());
    EXPECT_EQ(reread.readInteger("Cash", "player", 0), 16);
    EXPECT_EQ(reread.readInteger("Cash", "freak", 0), 1200);
    EXPECT_EQ(reread.readInteger("Cash", "geek", 0), -40);
    EXPECT_EQ(reread.readInteger("Background", "Color", 0), 59);
    EXPECT_EQ(reread.readString("Settings", "Sound", "?"), "0") << "the sound is not written back";
}

TEST_F(Startup, ALevelOtherThanTheFourFallsBackToAmateur) {
    // A huge level would make every decision run billions of trials.
    for (const char* stored : {"2000000000", "0", "-5", "201", "abc"}) {
        stud::testing::FakeServices fresh;
        Game g(fresh, rng, ini);
        writeSettings(std::string("[Levels]\ncomp=") + stored + "\n");
        g.startup();
        EXPECT_EQ(g.state().complevel, 200) << stored;
        EXPECT_EQ(fresh.selectedItem(Control::Levels), 0) << stored;
    }
    for (auto [stored, item] : std::vector<std::pair<int, int>>{{400, 1}, {600, 2}, {900, 3}}) {
        stud::testing::FakeServices fresh;
        Game g(fresh, rng, ini);
        writeSettings("[Levels]\ncomp=" + std::to_string(stored) + "\n");
        g.startup();
        EXPECT_EQ(g.state().complevel, stored);
        EXPECT_EQ(fresh.selectedItem(Control::Levels), item);
    }
    EXPECT_NE(settingsText().find("comp=900"), std::string::npos)
        << "start-up never writes the level";
}

TEST_F(Startup, ACardBackOutsideTheImageSetFallsBackToTheFirst) {
    for (const char* stored : {"51", "60", "0", "-52", "0x7fffffff"}) {
        stud::testing::FakeServices fresh;
        Game g(fresh, rng, ini);
        writeSettings(std::string("[Background]\nColor=") + stored + "\n");
        g.startup();
        EXPECT_EQ(g.state().cardback, 52) << stored;
        EXPECT_EQ(fresh.selectedItem(Control::background), 0) << stored;
        EXPECT_EQ(IniFile(ini.path()).readInteger("Background", "Color", 0), 52)
            << "the repaired value is written back";
        for (const auto& d : fresh.images())
            EXPECT_LT(d.index, 60) << "never past the card image set";
    }
}

TEST_F(Startup, BrokeSeatsInTheFileSitOutTheFirstDeal) {
    writeSettings("[Cash]\ngeek=0\nchamp=-7\n");
    game.startup();
    EXPECT_EQ(t.folds, 2);
    EXPECT_EQ(t.seated, 3);
    EXPECT_EQ(t.pot, 3);
    EXPECT_EQ(t.seats[geek].cash, 0) << "nothing is taken from a broke seat";
    EXPECT_EQ(t.seats[champ].cash, -7);
    EXPECT_TRUE(t.seats[champ].raised) << "the opening bet stands even for a broke champ";
}

TEST_F(Startup, AHumanWithoutCashStillGetsADealButNoCards) {
    writeSettings("[Cash]\nplayer=0\n");
    game.startup();
    EXPECT_EQ(t.seats[player].cash, 0);
    EXPECT_EQ(t.folds, 0) << "only opponents are counted";
    EXPECT_EQ(t.pot, 4);
    int mine = 0;
    for (const auto& d : ui.images()) mine += d.y == 500;
    EXPECT_EQ(mine, 0);
    EXPECT_EQ(enabledButtons(), "-CRF");
}

TEST_F(Startup, CashNearTheLimitsNeverWraps) {
    writeSettings("[Cash]\nplayer=2147483647\nfreak=-2147483648\ngeek=1\n");
    game.startup();
    EXPECT_EQ(t.seats[player].cash, 2147483646);
    EXPECT_EQ(t.seats[freak].cash, -2147483647 - 1);
    EXPECT_EQ(t.seats[geek].cash, 0);
    EXPECT_EQ(t.pot, 4);
}

TEST_F(Startup, ASettingsFileThatCannotBeWrittenEndsStartUp) {
    // The settings folder is a plain file: nothing can be written below it.
    const auto blocker = dir.path() / "blocked";
    std::ofstream(blocker) << "x";
    IniFile unwritable((blocker / "tarvo.ini").string());
    Game g(ui, rng, unwritable);
    EXPECT_THROW(g.startup(), SettingsError);
    try {
        Game again(ui, rng, unwritable);
        again.startup();
    } catch (const StudError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + unwritable.path());
    }
    EXPECT_EQ(rng.seeds, 0) << "nothing after the failing write ran";
}

} // namespace
