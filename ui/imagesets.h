#pragma once

#include "table/services.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <array>

namespace stud {

// The three picture lists the table draws from (card faces and backs,
// portrait frames, coin frames), built into the program as horizontal strips
// of equal-size images at 1x, 2x and 4x. A set is loaded at one resolution
// (device pixels per window pixel): 1 and 2 take those strips as they are; any
// other (a zoomed table, a desktop scaled by 1.5) shrinks the next larger strip
// image by image, so that a picture is never a blurred enlargement. Images are
// opaque: a strip's alpha is flattened onto black.
class ImageSets {
  public:
    // Which card pictures: the usual two-colour deck, or the four-colour one
    // (diamonds blue, clubs green).
    enum class Deck { TwoColour, FourColour };

    // Loads the strips from the program's resources. Throws StudError when one
    // is missing or has the wrong size, since the table cannot be drawn then.
    explicit ImageSets(int scale = 1);
    ImageSets(qreal resolution, Deck deck);

    // 2 for the double-size strips, else 1.
    int scale() const { return resolution_ == 2 ? 2 : 1; }
    qreal resolution() const { return resolution_; }
    Deck deck() const { return deck_; }
    // The size of one image of a set in device pixels at this resolution.
    QSize deviceSize(ImageSet set) const;
    // Number of images in a set, and the size of one in window pixels.
    static int count(ImageSet set);
    static QSize size(ImageSet set);

    // The strip holding every image of a set, at the loaded scale.
    const QImage& strip(ImageSet set) const { return strips_[static_cast<int>(set)]; }
    // Where image `index` lies in its strip, in the strip's own pixels.
    QRect sourceRect(ImageSet set, int index) const;
    // One image as a copy, at the loaded scale (used by tests and tools).
    QImage image(ImageSet set, int index) const;

    // Resource path of a set's strip at a scale, e.g. ":/images/cards@2x.png".
    static QString resourcePath(ImageSet set, int scale, Deck deck = Deck::TwoColour);

  private:
    qreal resolution_;
    Deck deck_;
    std::array<QImage, 3> strips_;
};

} // namespace stud
