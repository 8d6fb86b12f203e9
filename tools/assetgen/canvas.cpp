#include "canvas.h"

#include <algorithm>
#include <array>

#include <QFile>
#include <QImageWriter>

namespace assetgen {

QImage render(int w, int h, int scale, QColor background, const PaintFn& fn) {
    QImage image(w * scale, h * scale, QImage::Format_RGB32);
    image.fill(background);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.scale(scale, scale);
    fn(p);
    p.end();
    return image;
}

QImage shrink(const QImage& source, int factor) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width() / factor;
    const int h = image.height() / factor;
    QImage out(w, h, QImage::Format_RGB32);
    const int n = factor * factor;
    std::vector<int> sums(static_cast<size_t>(w) * 3);
    for (int y = 0; y < h; ++y) {
        std::fill(sums.begin(), sums.end(), 0);
        for (int dy = 0; dy < factor; ++dy) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y * factor + dy));
            for (int x = 0; x < w; ++x) {
                int* s = &sums[static_cast<size_t>(x) * 3];
                for (int dx = 0; dx < factor; ++dx) {
                    const QRgb c = row[x * factor + dx];
                    s[0] += qRed(c);
                    s[1] += qGreen(c);
                    s[2] += qBlue(c);
                }
            }
        }
        auto* outRow = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int* s = &sums[static_cast<size_t>(x) * 3];
            outRow[x] = qRgb((s[0] + n / 2) / n, (s[1] + n / 2) / n, (s[2] + n / 2) / n);
        }
    }
    return out;
}

QImage shrinkArgb(const QImage& source, int factor) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = image.width() / factor;
    const int h = image.height() / factor;
    QImage out(w, h, QImage::Format_ARGB32_Premultiplied);
    const int n = factor * factor;
    for (int y = 0; y < h; ++y) {
        auto* outRow = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            int s[4] = {0, 0, 0, 0};
            for (int dy = 0; dy < factor; ++dy) {
                const auto* row =
                    reinterpret_cast<const QRgb*>(image.constScanLine(y * factor + dy));
                for (int dx = 0; dx < factor; ++dx) {
                    const QRgb c = row[x * factor + dx];
                    s[0] += qRed(c);
                    s[1] += qGreen(c);
                    s[2] += qBlue(c);
                    s[3] += qAlpha(c);
                }
            }
            outRow[x] = qRgba((s[0] + n / 2) / n, (s[1] + n / 2) / n, (s[2] + n / 2) / n,
                              (s[3] + n / 2) / n);
        }
    }
    // Back to plain colour with exact rounding: Qt's own conversion takes an
    // approximate reciprocal whose last bit differs from one processor make
    // to the next, and the committed icons must come out the same on all.
    QImage plain(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(out.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(plain.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int a = qAlpha(in[x]);
            const auto un = [a](int c) {
                return a == 0 ? 0 : std::min(255, (c * 255 + a / 2) / a);
            };
            to[x] = qRgba(un(qRed(in[x])), un(qGreen(in[x])), un(qBlue(in[x])), a);
        }
    }
    return plain;
}

Scaled scaled(const QImage& master) {
    return {shrink(master, kSuper), shrink(master, kSuper / 2), shrink(master, 1)};
}

Scaled renderScaled(int w, int h, QColor background, const PaintFn& fn) {
    return scaled(render(w, h, kSuper, background, fn));
}

QImage strip(const std::vector<QImage>& images) {
    if (images.empty()) return {};
    const int w = images.front().width();
    const int h = images.front().height();
    QImage out(w * static_cast<int>(images.size()), h, QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter p(&out);
    for (size_t i = 0; i < images.size(); ++i) p.drawImage(static_cast<int>(i) * w, 0, images[i]);
    return out;
}

bool writePng(const QImage& image, const QString& path) {
    QImageWriter writer(path, "png");
    // Maximum deflate effort; the bytes depend only on the pixels and zlib.
    writer.setQuality(0);
    // The image sets are opaque; only the desktop icons keep their alpha.
    return writer.write(image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                      : QImage::Format_RGB32));
}

bool writeJpeg(const QImage& image, const QString& path, int quality) {
    QImageWriter writer(path, "jpeg");
    writer.setQuality(quality);
    // Baseline, sequential, standard Huffman tables: what every decoder reads.
    writer.setProgressiveScanWrite(false);
    writer.setOptimizedWrite(false);
    return writer.write(image.convertToFormat(QImage::Format_RGB32));
}

namespace {
void putBe32(QByteArray& b, std::uint32_t v) {
    for (int i = 3; i >= 0; --i) b.append(static_cast<char>((v >> (8 * i)) & 0xff));
}

std::uint32_t crc32(const QByteArray& bytes) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xffffffffu;
    for (const char ch : bytes) c = table[(c ^ static_cast<std::uint8_t>(ch)) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

void pngChunk(QByteArray& out, const char* type, const QByteArray& data) {
    putBe32(out, static_cast<std::uint32_t>(data.size()));
    const QByteArray body = QByteArray(type, 4) + data;
    out += body;
    putBe32(out, crc32(body));
}

void put16(QByteArray& b, int v) {
    b.append(static_cast<char>(v & 0xff));
    b.append(static_cast<char>((v >> 8) & 0xff));
}
void put32(QByteArray& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.append(static_cast<char>((v >> (8 * i)) & 0xff));
}
} // namespace

bool writeBmp24(const QImage& source, const QString& path) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width();
    const int h = image.height();
    const int stride = (w * 3 + 3) & ~3;
    const std::uint32_t pixelBytes = static_cast<std::uint32_t>(stride) * h;
    QByteArray b;
    b.reserve(static_cast<int>(54 + pixelBytes));
    b.append("BM");
    put32(b, 54 + pixelBytes);
    put32(b, 0);
    put32(b, 54);
    put32(b, 40);
    put32(b, static_cast<std::uint32_t>(w));
    put32(b, static_cast<std::uint32_t>(h)); // positive height: bottom-up rows
    put16(b, 1);
    put16(b, 24);
    put32(b, 0); // BI_RGB
    put32(b, pixelBytes);
    put32(b, 2835); // 72 dpi
    put32(b, 2835);
    put32(b, 0);
    put32(b, 0);
    for (int y = h - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            b.append(static_cast<char>(qBlue(row[x])));
            b.append(static_cast<char>(qGreen(row[x])));
            b.append(static_cast<char>(qRed(row[x])));
        }
        for (int pad = w * 3; pad < stride; ++pad) b.append('\0');
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return file.write(b) == b.size();
}

bool writePngRgb(const QImage& source, const QString& path) {
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    const int w = image.width();
    const int h = image.height();
    const qsizetype stride = qsizetype{w} * 3;
    QByteArray rows;
    rows.reserve((stride + 1) * h);
    for (int y = 0; y < h; ++y) {
        const auto* row = image.constScanLine(y);
        rows.append('\x01'); // filter type Sub
        for (qsizetype i = 0; i < stride; ++i)
            rows.append(static_cast<char>(row[i] - (i >= 3 ? row[i - 3] : 0)));
    }
    // qCompress gives a zlib stream behind the length of the data.
    const QByteArray deflated = qCompress(rows, 9).mid(4);
    QByteArray header;
    putBe32(header, static_cast<std::uint32_t>(w));
    putBe32(header, static_cast<std::uint32_t>(h));
    header.append('\x08');  // bits per channel
    header.append('\x02');  // colour, no alpha
    header.append(3, '\0'); // deflate, adaptive filtering, no interlace
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    pngChunk(png, "IHDR", header);
    constexpr qsizetype kIdat = 1 << 20;
    for (qsizetype at = 0; at < deflated.size(); at += kIdat)
        pngChunk(png, "IDAT", deflated.mid(at, kIdat));
    pngChunk(png, "IEND", {});
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return file.write(png) == png.size();
}

std::uint64_t Rng::next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

double Rng::unit() {
    return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0);
}

QColor mix(QColor a, QColor b, double t) {
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

} // namespace assetgen
