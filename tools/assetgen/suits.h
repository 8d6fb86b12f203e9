#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>

namespace assetgen {

enum Suit { Clubs = 0, Diamonds = 1, Hearts = 2, Spades = 3 };

inline const QColor kRed(0xc0, 0x27, 0x2d);
inline const QColor kBlack(0x1b, 0x1b, 0x1b);
inline const QColor kCardWhite(0xfb, 0xfa, 0xf6);
inline const QColor kCardBorder(0x3a, 0x3a, 0x3a);
inline const QColor kGold(0xd4, 0xa8, 0x4a);
inline const QColor kGoldShadow(0x8a, 0x64, 0x20);

// The four-colour deck of poker rooms: diamonds blue and clubs green, so that
// no suit can be taken for its partner of the same colour at a glance.
inline const QColor kFourBlue(0x1c, 0x5c, 0xc4);
inline const QColor kFourGreen(0x1b, 0x7f, 0x3b);

// Which deck the card pictures are painted for: set while the four-colour
// strips are drawn, so that every pip, corner and court robe follows.
inline bool fourColourDeck = false;

inline QColor suitColour(int suit) {
    if (fourColourDeck && suit == Diamonds) return kFourBlue;
    if (fourColourDeck && suit == Clubs) return kFourGreen;
    return (suit == Diamonds || suit == Hearts) ? kRed : kBlack;
}

// The suit symbol as a path in a unit box centred on the origin (height 1,
// y growing downwards), built from curves rather than a font so that every
// size and both resolutions get the same shape.
QPainterPath suitPath(int suit);

// Fills the symbol with its centre at (cx, cy) and the given height; flipped
// draws it upside down, as pips in the lower half of a card are.
void drawSuit(QPainter& p, int suit, double cx, double cy, double height, bool flipped = false,
              QColor colour = QColor());

} // namespace assetgen
