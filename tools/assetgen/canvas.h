#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace assetgen {

// Every picture is painted in its 1x logical coordinates onto a canvas that is
// kSuper times larger, then averaged down. Small pictures come out crisp that
// way, and the @2x sets are the same master averaged by kSuper / 2.
constexpr int kSuper = 4;

using PaintFn = std::function<void(QPainter&)>;

// Paints fn on a (w * scale) x (h * scale) canvas filled with background, with
// the painter scaled so that fn works in w x h units, antialiased.
QImage render(int w, int h, int scale, QColor background, const PaintFn& fn);

// Exact box filter: every factor x factor block becomes one pixel (the rounded
// mean). Cropping at multiples of factor and then shrinking gives the same
// pixels as shrinking and then cropping, which the coin frames rely on.
QImage shrink(const QImage& image, int factor);

// The delivered 1x, 2x and 4x pictures of one master painted at kSuper (the
// 4x one is the master itself: the game shrinks it for a zoomed table, which
// stays sharp where enlarging a smaller one would blur).
struct Scaled {
    QImage x1;
    QImage x2;
    QImage x4;
};
Scaled scaled(const QImage& master);

// As shrink, for pictures with an alpha channel (the desktop icons): averages
// premultiplied pixels, so edges fade out cleanly.
QImage shrinkArgb(const QImage& image, int factor);
Scaled renderScaled(int w, int h, QColor background, const PaintFn& fn);

// Lays equal-size images side by side, index i at x = i * width.
QImage strip(const std::vector<QImage>& images);

// Writers with fixed settings, so that the same pixels give the same bytes.
bool writePng(const QImage& image, const QString& path);
bool writeJpeg(const QImage& image, const QString& path, int quality);
// A 24-bit PNG written by hand, every row filtered the same way (each byte
// less the one a pixel to its left). For the noisy felt of the large table
// that packs some 7 % tighter than the image library's choice row by row, and
// the bytes depend only on the pixels and zlib.
bool writePngRgb(const QImage& image, const QString& path);
// A 24-bit bottom-up BMP with a BITMAPINFOHEADER, written by hand so that
// nothing about the layout depends on the image library.
bool writeBmp24(const QImage& image, const QString& path);

// The generator's own random numbers: a fixed, portable sequence (splitmix64),
// so regeneration never depends on the standard library's distributions.
class Rng {
  public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    // Uniform in [0, 1).
    double unit();
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

  private:
    std::uint64_t state_;
};

// Blends two colours; t = 0 gives a, 1 gives b.
QColor mix(QColor a, QColor b, double t);

} // namespace assetgen
