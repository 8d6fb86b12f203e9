#pragma once

#include "table/services.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <array>

namespace stud {

// The three picture lists the table draws from (card faces and backs,
// portrait frames, coin frames), built into the program as horizontal strips
// of equal-size images. A set is loaded at one scale: 1 for ordinary screens,
// 2 for screens with a device pixel ratio of 2, where the "@2x" strips keep the
// cards sharp. Images are opaque: a strip's alpha is flattened onto black.
class ImageSets {
  public:
    // Loads the strips from the program's resources. Throws StudError when one
    // is missing or has the wrong size, since the table cannot be drawn then.
    explicit ImageSets(int scale = 1);

    int scale() const { return scale_; }
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
    static QString resourcePath(ImageSet set, int scale);

  private:
    int scale_;
    std::array<QImage, 3> strips_;
};

} // namespace stud
