// The three timer handlers: who blinks, the frames of a blink and of the win
// animation, and the interval changes and timer switches between them.

#include "gametable.h"
#include "support/scriptedrandom.h"

using namespace stud;
using stud::testing::FakeServices;

namespace {

struct Frame {
    ImageSet set;
    int index, x, y;
    friend bool operator==(const Frame&, const Frame&) = default;
};

class Animation : public stud::testing::GameTable {
  protected:
    std::vector<Frame> frames() const {
        std::vector<Frame> out;
        for (const auto& d : ui.images()) out.push_back({d.set, d.index, d.x, d.y});
        return out;
    }
    SeatId winker() const {
        EXPECT_TRUE(t.winking.has_value());
        return t.winking.value_or(player);
    }
    // Start a blink for the seat picked by draw r and run it to its end;
    // returns the portrait frames drawn and the winkanim intervals seen.
    std::vector<int> blink(std::uint32_t r, std::vector<int>* intervals = nullptr) {
        ScriptedRandom pick({r});
        use(pick);
        ui.timers[Timer::winkanim] = false;
        game.tick(Timer::randomwink);
        use(zero);
        ui.clearLog();
        std::vector<int> out;
        for (int tick = 0; tick < 10 && ui.isTimerEnabled(Timer::winkanim); ++tick) {
            game.tick(Timer::winkanim);
            if (intervals) intervals->push_back(ui.timerInterval(Timer::winkanim));
        }
        for (const Frame& f : frames()) out.push_back(f.index);
        return out;
    }
    static Frame portrait(SeatId s, int frame) {
        return {ImageSet::players, frame, kSeatInfo[s].portraitLeft, kSeatInfo[s].portraitTop};
    }
    static Frame coin(int frame) { return {ImageSet::coins, frame, 498, 350}; }

    // Run the whole win animation (until wintimer stops itself).
    int runWin() {
        ui.timers[Timer::wintimer] = true;
        int ticks = 0;
        while (ui.isTimerEnabled(Timer::wintimer) && ticks < 50) {
            game.tick(Timer::wintimer);
            ++ticks;
        }
        return ticks;
    }
};

TEST_F(Animation, BlinkChoiceFollowsTheDrawBoundaries) {
    const std::vector<std::pair<std::uint32_t, SeatId>> cases{
        {0, freak},   {19, freak}, {20, geek},  {50, geek},   {51, master},
        {65, master}, {66, champ}, {99, champ}, {119, freak}, {150, geek}};
    for (auto [r, seat] : cases) {
        ScriptedRandom pick({r});
        use(pick);
        t.street = 1;
        ui.timers[Timer::winkanim] = false;
        ui.timers[Timer::randomwink] = true;
        t.winkstep = 3;
        game.tick(Timer::randomwink);
        EXPECT_EQ(winker(), seat) << r;
        EXPECT_EQ(pick.draws, 1u);
        EXPECT_EQ(t.winkstep, 0);
        EXPECT_FALSE(ui.isTimerEnabled(Timer::randomwink));
        EXPECT_TRUE(ui.isTimerEnabled(Timer::winkanim));
    }
}

TEST_F(Animation, NoNewBlinkWhileOneRunsOrARaiseStandsOrTheDealIsOver) {
    ScriptedRandom pick({66});
    use(pick);
    ui.timers[Timer::randomwink] = true;

    ui.timers[Timer::winkanim] = true; // a blink is running
    game.tick(Timer::randomwink);
    EXPECT_EQ(pick.draws, 0u);
    EXPECT_TRUE(ui.isTimerEnabled(Timer::randomwink));
    ui.timers[Timer::winkanim] = false;

    t.street = 3;
    t.seats[geek].raised = true; // geek's raise waits for the human
    game.tick(Timer::randomwink);
    EXPECT_EQ(pick.draws, 0u);
    EXPECT_TRUE(ui.isTimerEnabled(Timer::randomwink)) << "keeps waiting";
    EXPECT_FALSE(ui.isTimerEnabled(Timer::winkanim));

    t.street = 6; // deal over
    t.seats[geek].raised = false;
    game.tick(Timer::randomwink);
    EXPECT_EQ(pick.draws, 0u);

    t.street = 1; // the opening bet on street 1 does not stop the faces
    t.seats[champ].raised = true;
    game.tick(Timer::randomwink);
    EXPECT_EQ(pick.draws, 1u);
    EXPECT_TRUE(ui.isTimerEnabled(Timer::winkanim));

    ui.timers[Timer::winkanim] = false;
    t.street = 5;
    t.seats[champ].raised = false;
    game.tick(Timer::randomwink);
    EXPECT_EQ(pick.draws, 2u) << "street 5 without a raise blinks";
}

TEST_F(Animation, EachBlinkEndsOnTheRestingFrame) {
    EXPECT_EQ(blink(10), (std::vector<int>{12, 0}));
    EXPECT_EQ(blink(30), (std::vector<int>{13, 14, 2}));
    EXPECT_EQ(blink(80), (std::vector<int>{18, 19, 6}));
    EXPECT_EQ(frames().front(), portrait(champ, 18));
    EXPECT_FALSE(ui.isTimerEnabled(Timer::winkanim));
    EXPECT_TRUE(ui.isTimerEnabled(Timer::randomwink));
    EXPECT_EQ(t.winkstep, 3) << "the step count stays at the end";
}

TEST_F(Animation, MastersGlanceRunsSlowAndSetsTheIntervalBack) {
    std::vector<int> intervals;
    EXPECT_EQ(blink(60, &intervals), (std::vector<int>{15, 16, 17, 4}));
    EXPECT_EQ(intervals, (std::vector<int>{400, 400, 400, 400, 150}));
    EXPECT_EQ(frames().back(), portrait(master, 4));
    EXPECT_TRUE(ui.isTimerEnabled(Timer::randomwink));

    // A raise that stops the glance half way leaves the slow interval behind,
    // and the next blinks run at it until a glance finishes again.
    ScriptedRandom pick({60});
    use(pick);
    game.tick(Timer::randomwink);
    game.tick(Timer::winkanim);
    game.tick(Timer::winkanim);
    ui.setTimerEnabled(Timer::winkanim, false); // an opponent raised
    EXPECT_EQ(ui.timerInterval(Timer::winkanim), 400);
    intervals.clear();
    blink(10, &intervals);
    EXPECT_EQ(intervals, (std::vector<int>{400, 400, 400}));
}

TEST_F(Animation, HumanWinShowsTheCoinPileGlintingThenTheBareTable) {
    t.finalscore = {1000, 0, 0, 0, 0};
    t.bestscore = 1000;
    t.winstep = 0;
    ui.timers[Timer::wintimer] = true;
    game.tick(Timer::wintimer);
    EXPECT_EQ(ui.timerInterval(Timer::wintimer), 170) << "slower from the first step";
    EXPECT_EQ(runWin(), 9);
    std::vector<Frame> expect;
    for (int f : {0, 2, 1, 2, 1, 2, 1, 2, 1, 3}) expect.push_back(coin(f));
    EXPECT_EQ(frames(), expect) << "no portrait changes";
    EXPECT_EQ(t.winstep, 9);
    EXPECT_EQ(ui.timerInterval(Timer::wintimer), 150);
    EXPECT_FALSE(ui.isTimerEnabled(Timer::wintimer));
    EXPECT_EQ(ui.controlRepaints, (std::vector<Control>{Control::playerstatus}));
}

TEST_F(Animation, TiedOpponentsFlashTogetherAndEndSmiling) {
    t.finalscore = {-180, 5000, -120, 5000, -110};
    t.bestscore = 5000;
    t.winstep = 0;
    EXPECT_EQ(runWin(), 10);
    std::vector<Frame> expect;
    const std::array<int, 10> freakFrames{1, 0, 1, 0, 1, 8, 8, 8, 8, 8};
    const std::array<int, 10> masterFrames{5, 4, 5, 4, 5, 10, 10, 10, 10, 10};
    for (int k = 0; k < 10; ++k) {
        expect.push_back(portrait(freak, freakFrames[k]));
        expect.push_back(portrait(master, masterFrames[k]));
    }
    EXPECT_EQ(frames(), expect);
    EXPECT_EQ(ui.timerInterval(Timer::wintimer), 150) << "only a human winner slows it";
    EXPECT_FALSE(ui.isTimerEnabled(Timer::wintimer));
}

TEST_F(Animation, EveryOpponentHasItsOwnWinFramesAndColumnsRunInSeatOrder) {
    // All five tied (a split of the whole table): coins first, then the portraits.
    t.finalscore = {7, 7, 7, 7, 7};
    t.bestscore = 7;
    t.winstep = 5;
    ui.timers[Timer::wintimer] = true;
    game.tick(Timer::wintimer);
    EXPECT_EQ(frames(), (std::vector<Frame>{coin(2), portrait(freak, 8), portrait(geek, 9),
                                            portrait(master, 10), portrait(champ, 11)}));
    EXPECT_EQ(t.winstep, 6);
    EXPECT_EQ(ui.timerInterval(Timer::wintimer), 150) << "the slow interval is set at step 0 only";
}

TEST_F(Animation, StartUpSetsTheThreeTimers) {
    game.startup();
    EXPECT_TRUE(ui.isTimerEnabled(Timer::randomwink));
    EXPECT_FALSE(ui.isTimerEnabled(Timer::winkanim));
    EXPECT_FALSE(ui.isTimerEnabled(Timer::wintimer));
    EXPECT_EQ(ui.intervals[Timer::randomwink], 300);
    EXPECT_EQ(ui.intervals[Timer::winkanim], 150);
    EXPECT_EQ(ui.intervals[Timer::wintimer], 150);
}

} // namespace
