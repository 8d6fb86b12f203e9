#include "tools/handeval/parse.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using handeval::LineKind;
using handeval::parseLine;
using stud::Card;

TEST(HandevalParse, ReadsSevenCardsInSlotOrder) {
    const auto p = parseLine("2c 3d 7h 8h 9h 10h Jh");
    ASSERT_EQ(p.kind, LineKind::hand) << p.error;
    EXPECT_EQ(p.hand[0], (Card{0, 0}));
    EXPECT_EQ(p.hand[1], (Card{1, 1}));
    EXPECT_EQ(p.hand[5], (Card{2, 8})); // the Ten is written with two digits
    EXPECT_EQ(p.hand[6], (Card{2, 9}));

    const auto q = parseLine("As Ks Qs Js 10s 9s 8s");
    ASSERT_EQ(q.kind, LineKind::hand);
    EXPECT_EQ(q.hand[0], (Card{3, 12}));
}

TEST(HandevalParse, ToleratesCaseTabsExtraBlanksAndWindowsLineEnds) {
    const auto p = parseLine("\t ac KD 9H\t7s  5C 3d 2h \r");
    ASSERT_EQ(p.kind, LineKind::hand) << p.error;
    EXPECT_EQ(p.hand[0], (Card{0, 12}));
    EXPECT_EQ(p.hand[1], (Card{1, 11}));
    EXPECT_EQ(p.hand[6], (Card{2, 0}));
}

TEST(HandevalParse, BlankAndCommentLinesAreSkipped) {
    for (const char* line : {"", "   ", "\t", "\r", "# a comment", "  # indented comment"})
        EXPECT_EQ(parseLine(line).kind, LineKind::blank) << '"' << line << '"';
}

TEST(HandevalParse, RejectsWrongCountsAndNonCards) {
    struct Case {
        const char* line;
        const char* message;
    };
    const Case cases[] = {
        {"Ac Kd 9h 7s 5c 3d", "expected 7 cards, found 6"},
        {"Ac Kd 9h 7s 5c 3d 2h 4h", "expected 7 cards, found 8"},
        {"Ac Kd 9h 7s 5c 3d 2h #", "expected 7 cards, found 8"},
        {"Ac Kd 9h 7s 5c 3d 1h", "'1h' is not a card"},
        {"Ac Kd 9h 7s 5c 3d 11h", "'11h' is not a card"},
        {"Ac Kd 9h 7s 5c 3d Th", "'Th' is not a card"},
        {"Ac Kd 9h 7s 5c 3d 2x", "'2x' is not a card"},
        {"Ac Kd 9h 7s 5c 3d h", "'h' is not a card"},
        {"Ac Kd 9h 7s 5c 3d 010h", "'010h' is not a card"},
        {"Ac,Kd 9h 7s 5c 3d 2h 4h", "'Ac,Kd' is not a card"},
        {"Ac Kd 9h 7s 5c 3d Ac", "the card Ac appears twice"},
        {"10h 10H 9h 7s 5c 3d 2h", "the card 10h appears twice"},
    };
    for (const Case& c : cases) {
        const auto p = parseLine(c.line);
        EXPECT_EQ(p.kind, LineKind::error) << c.line;
        EXPECT_NE(p.error.find(c.message), std::string::npos) << c.line << " -> " << p.error;
    }
}

TEST(HandevalParse, MessagesStayShortAndPrintable) {
    const std::string junk = std::string(5000, 'x') + "\x01\xff h 2c 3c 4c 5c 6c 7c";
    const auto p = parseLine(junk);
    ASSERT_EQ(p.kind, LineKind::error);
    EXPECT_LT(p.error.size(), 200u);
    for (char c : p.error) EXPECT_TRUE(c >= 0x20 && c < 0x7F) << p.error;

    const auto q = parseLine(std::string("2c 3c 4c 5c 6c 7c \x80\x81"));
    ASSERT_EQ(q.kind, LineKind::error);
    EXPECT_NE(q.error.find("'?"
                           "?'"),
              std::string::npos)
        << q.error;
}

// Mangled hands never crash the parser, and whatever it accepts is seven
// distinct cards of the deck that read back the same way.
TEST(HandevalParse, SurvivesGarbageAndRoundTrips) {
    std::mt19937 rng(3);
    const std::string junk[] = {"1h", "10", "#", "x", "h", std::string("\0", 1), "\xff", "2cc", ""};
    const std::string blanks[] = {" ", "\t", "  "};
    int accepted = 0;
    for (int i = 0; i < 20000; ++i) {
        std::string line;
        const int tokens = 5 + static_cast<int>(rng() % 4);
        for (int k = 0; k < tokens; ++k) {
            if (rng() % 12 == 0) {
                line += junk[rng() % std::size(junk)];
            } else {
                std::string card = handeval::cardText(
                    Card{static_cast<int>(rng() % 4), static_cast<int>(rng() % 13)});
                if (rng() % 2) card.back() = static_cast<char>(card.back() - 'a' + 'A');
                line += card;
            }
            line += blanks[rng() % std::size(blanks)];
        }
        const auto p = parseLine(line);
        if (p.kind == LineKind::error) {
            EXPECT_FALSE(p.error.empty());
        }
        if (p.kind != LineKind::hand) continue;
        ++accepted;
        std::string again;
        for (const Card& c : p.hand) {
            EXPECT_TRUE(c.suit >= 0 && c.suit <= 3 && c.rank >= 0 && c.rank <= 12);
            again += handeval::cardText(c) + ' ';
        }
        const auto q = parseLine(again);
        ASSERT_EQ(q.kind, LineKind::hand) << again;
        EXPECT_EQ(q.hand, p.hand);
    }
    EXPECT_GT(accepted, 1000); // the round trip was really exercised
}
