// What the table drawing puts where: cards per street, face up or down,
// clipped corners, wiped card areas, the background and the portraits.

#include "gametable.h"
#include "table/deck.h"

#include <set>
#include <tuple>

using namespace stud;
using stud::testing::FakeServices;

namespace {

using Op = FakeServices::Op;

struct Placed {
    int index, x, y;
    friend bool operator==(const Placed&, const Placed&) = default;
};

class Drawing : public stud::testing::GameTable {
  protected:
    void SetUp() override {
        builddecks(t);
        shuffle(t, zero); // the deck stays in order: every hand is known
        for (SeatId s : kAllSeats) t.seats[s].cash = 100;
        t.cardback = 55;
    }

    std::vector<Placed> cards() const {
        std::vector<Placed> out;
        for (const auto& d : ui.draws)
            if (d.op == Op::Image && d.set == ImageSet::cards) out.push_back({d.index, d.x, d.y});
        return out;
    }
    std::vector<Placed> cardsAt(int top) const {
        std::vector<Placed> out;
        for (const Placed& p : cards())
            if (p.y == top) out.push_back(p);
        return out;
    }
    // Card images of one seat's row, slot by slot.
    std::vector<int> row(SeatId s) const {
        const SeatInfo& info = kSeatInfo[s];
        std::vector<int> out;
        for (const Placed& p : cards()) {
            if (p.y != info.cardTop || p.x < info.areaLeft || p.x >= info.areaRight) continue;
            EXPECT_EQ((p.x - info.cardLeft) % info.cardStep, 0);
            EXPECT_EQ((p.x - info.cardLeft) / info.cardStep, static_cast<int>(out.size()))
                << "slots of a row are drawn left to right";
            out.push_back(p.index);
        }
        return out;
    }
    int face(SeatId s, int slot) const { return t.seats[s].hand[slot].image(); }
};

TEST_F(Drawing, StreetsUncoverTheOpponentsUpcardsAndKeepHoleCardsDown) {
    const int back = 55;
    for (int street = 1; street <= 5; ++street) {
        SCOPED_TRACE(street);
        ui.clearLog();
        t.street = street;
        steps.drawcards();
        const int n = street + 2 > 7 ? 7 : street + 2;
        std::vector<int> mine, theirs[kSeats];
        for (int i = 0; i < n; ++i) mine.push_back(face(player, i));
        EXPECT_EQ(row(player), mine) << "the human sees all of his own cards";
        for (SeatId s : kOpponents) {
            std::vector<int> expect;
            for (int i = 0; i < n; ++i) expect.push_back(i < 2 || i == 6 ? back : face(s, i));
            EXPECT_EQ(row(s), expect) << s;
        }
    }
    // Street 5 is the last with anything hidden: seven cards, the seventh down.
    EXPECT_EQ(row(geek).size(), 7u);
    EXPECT_EQ(row(geek)[6], back);
    EXPECT_EQ(row(player)[6], face(player, 6));
}

TEST_F(Drawing, HumanRowFirstThenSlotBySlotRoundTheTable) {
    t.street = 2;
    steps.drawcards();
    const auto all = cards();
    ASSERT_EQ(all.size(), 4u + 4u * 4u);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(all[i], (Placed{face(player, i), 335 + 30 * i, 500}));
    // Then slot 0 of freak, geek, master, champ, slot 1 of each, ...
    const std::array<std::pair<int, int>, 4> origin{
        {{40, 400}, {120, 160}, {565, 160}, {650, 400}}};
    for (int i = 0; i < 4; ++i)
        for (int k = 0; k < 4; ++k) {
            const Placed& p = all[4 + 4 * i + k];
            EXPECT_EQ(p.x, origin[k].first + 25 * i);
            EXPECT_EQ(p.y, origin[k].second);
        }
}

TEST_F(Drawing, EveryCardGetsFourBlackCornersRightAfterIt) {
    t.street = 3;
    steps.drawcards();
    int images = 0;
    for (std::size_t i = 0; i < ui.draws.size(); ++i) {
        const auto& d = ui.draws[i];
        if (d.op != Op::Image) continue;
        ++images;
        ASSERT_LT(i + 4, ui.draws.size());
        std::set<std::pair<int, int>> corners;
        for (std::size_t k = 1; k <= 4; ++k) {
            const auto& px = ui.draws[i + k];
            ASSERT_EQ(px.op, Op::Pixel);
            EXPECT_EQ(px.index, 0) << "window colour";
            corners.insert({px.x, px.y});
        }
        const std::set<std::pair<int, int>> expect{
            {d.x, d.y}, {d.x + 70, d.y}, {d.x, d.y + 95}, {d.x + 70, d.y + 95}};
        EXPECT_EQ(corners, expect);
    }
    EXPECT_EQ(images, 5 * 5);
}

TEST_F(Drawing, SeatsOutOfPlayVanish) {
    t.street = 4;
    t.seats[freak].folded = true;
    t.seats[master].cash = 0; // broke in the middle of the deal
    t.seats[champ].cash = -3; // raised itself below zero
    t.seats[player].cash = 0; // a human without cash sees nothing either
    steps.drawcards();
    EXPECT_TRUE(row(player).empty());
    EXPECT_TRUE(row(freak).empty());
    EXPECT_TRUE(row(master).empty());
    EXPECT_TRUE(row(champ).empty());
    EXPECT_EQ(row(geek).size(), 6u);
    EXPECT_FALSE(t.revealblock);
}

TEST_F(Drawing, DealOverShowsEveryHandUnlessRevealBlocked) {
    t.street = 6;
    t.seats[player].folded = true;
    t.folds = 3;
    steps.drawcards();
    EXPECT_FALSE(t.revealblock);
    EXPECT_TRUE(row(player).empty()) << "the human folded";
    for (SeatId s : kOpponents) {
        std::vector<int> expect;
        for (int i = 0; i < 7; ++i) expect.push_back(face(s, i));
        EXPECT_EQ(row(s), expect);
    }

    // The human folded and every opponent is out: nothing of theirs is shown.
    ui.clearLog();
    t.folds = 4;
    steps.drawcards();
    EXPECT_TRUE(t.revealblock);
    EXPECT_TRUE(cards().empty());

    // revealblock is worked out afresh at every call.
    t.seats[player].folded = false;
    steps.drawcards();
    EXPECT_FALSE(t.revealblock);
}

TEST_F(Drawing, CardBackFollowsTheChosenBackAndNeverLeavesTheImageSet) {
    t.street = 1;
    t.cardback = 59;
    steps.drawcards();
    EXPECT_EQ(row(champ)[0], 59);
    for (int bad : {0, 51, 60, 1000, -1}) {
        ui.clearLog();
        t.cardback = bad;
        steps.drawcards();
        EXPECT_EQ(row(champ)[0], 52) << bad;
        EXPECT_EQ(row(champ)[1], 52) << bad;
    }
}

TEST_F(Drawing, TableBackgroundIsReadAtEveryPaintAndOnlyBeepsWhenMissing) {
    game.redraw();
    ASSERT_GE(ui.draws.size(), 2u);
    EXPECT_EQ(ui.draws[0].op, Op::Brush);
    EXPECT_EQ(ui.draws[0].file, "kaveltable.bmp");
    EXPECT_EQ(ui.draws[1].op, Op::FillRect);
    EXPECT_EQ(std::tie(ui.draws[1].x, ui.draws[1].y, ui.draws[1].right, ui.draws[1].bottom),
              std::make_tuple(0, 0, 990, 690));
    EXPECT_EQ(ui.draws[2].op, Op::Image) << "the cards follow the table";
    EXPECT_EQ(ui.beeps, 0);

    ui.clearLog();
    ui.brushLoads = false;
    game.redraw();
    game.redraw();
    EXPECT_EQ(ui.beeps, 2) << "one beep per paint";
    int fills = 0;
    for (const auto& d : ui.draws) fills += d.op == Op::FillRect;
    EXPECT_EQ(fills, 0);
    EXPECT_EQ(cards().size(), 2u * 15u) << "the cards are drawn anyway";

    // Sound off silences effects, never the beep.
    t.soundon = false;
    steps.drawtable();
    EXPECT_EQ(ui.beeps, 3);
}

TEST_F(Drawing, ClearcardsWipesExactlyTheSeatsCardArea) {
    const std::array<std::array<int, 4>, kSeats> areas{{
        {335, 500, 635, 600},
        {40, 400, 300, 500},
        {120, 160, 380, 260},
        {565, 160, 815, 260},
        {650, 400, 900, 500},
    }};
    for (SeatId s : kAllSeats) {
        ui.clearLog();
        steps.clearcards(s);
        ASSERT_EQ(ui.draws.size(), 1u);
        const auto& d = ui.draws[0];
        EXPECT_EQ(d.op, Op::FillRect);
        EXPECT_EQ((std::array<int, 4>{d.x, d.y, d.right, d.bottom}), areas[s]) << s;
    }
    // Seven overlapping cards fit in their area.
    for (SeatId s : kAllSeats) {
        const SeatInfo& i = kSeatInfo[s];
        EXPECT_LE(i.cardLeft + 6 * i.cardStep + 71, i.areaRight) << s;
        EXPECT_LE(i.cardTop + 96, i.areaBottom) << s;
    }
}

TEST_F(Drawing, PortraitsRestInSeatOrderAtTheirPlaces) {
    steps.resetportraits();
    const auto imgs = ui.images();
    ASSERT_EQ(imgs.size(), 4u);
    const std::array<Placed, 4> expect{{{0, 48, 268}, {2, 160, 29}, {4, 632, 29}, {6, 744, 268}}};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(imgs[k].set, ImageSet::players);
        EXPECT_EQ((Placed{imgs[k].index, imgs[k].x, imgs[k].y}), expect[k]);
    }
    ui.clearLog();
    steps.drawportrait(master, 17);
    ASSERT_EQ(ui.draws.size(), 1u) << "portraits have no clipped corners";
    EXPECT_EQ((Placed{ui.draws[0].index, ui.draws[0].x, ui.draws[0].y}), (Placed{17, 632, 29}));
}

} // namespace
