// The shipped pictures and sounds: sizes, counts and formats that the game's
// loaders rely on, the places where two files must agree pixel for pixel, and
// that regenerating them gives the committed bytes.

#include "support/ciskips.h"
#include "support/tempdir.h"
#include "tools/assetgen/aboutlines.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QProcess>
#include <QXmlStreamReader>
#include <QtEndian>

#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

const QString kRoot = QStringLiteral(STUD_SOURCE_ROOT);

QString asset(const QString& relative) {
    return kRoot + "/" + relative;
}

QImage load(const QString& relative) {
    QImage image(asset(relative));
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Image i of a horizontal strip of w x h images.
QImage frame(const QImage& strip, int i, int w, int h) {
    return strip.copy(i * w, 0, w, h);
}

bool opaque(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 255) return false;
    return true;
}

// The bounding box of the pixels in which a and b differ (empty if equal).
QRect difference(const QImage& a, const QImage& b) {
    QRect box;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) box |= QRect(x, y, 1, 1);
    return box;
}

// Every factor x factor block as one pixel, the rounded mean, as the
// generator makes its smaller pictures.
QImage boxShrink(const QImage& image, int factor) {
    QImage out(image.width() / factor, image.height() / factor, QImage::Format_ARGB32);
    const int n = factor * factor;
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            int r = 0, g = 0, b = 0;
            for (int dy = 0; dy < factor; ++dy)
                for (int dx = 0; dx < factor; ++dx) {
                    const QRgb c = image.pixel(x * factor + dx, y * factor + dy);
                    r += qRed(c);
                    g += qGreen(c);
                    b += qBlue(c);
                }
            out.setPixel(x, y, qRgb((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n));
        }
    return out;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

std::uint32_t le32(const QByteArray& b, int at) {
    return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8 |
           static_cast<std::uint8_t>(b[at + 2]) << 16 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 3])) << 24;
}
int le16(const QByteArray& b, int at) {
    return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8;
}

struct SetSpec {
    const char* file;
    int count, w, h;
};
const SetSpec kSets[] = {{"cards", 60, 71, 96}, {"players", 20, 120, 130}, {"coins", 4, 134, 126}};

// ---- image sets -----------------------------------------------------------

TEST(ImageSets, CountsSizesAndOpacityAtEveryScale) {
    for (const SetSpec& s : kSets) {
        for (int scale : {1, 2, 4}) {
            const QString name =
                QString("assets/images/%1%2.png")
                    .arg(s.file, scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale));
            const QImage strip = load(name);
            ASSERT_FALSE(strip.isNull()) << qPrintable(name);
            EXPECT_EQ(strip.width(), s.count * s.w * scale) << qPrintable(name);
            EXPECT_EQ(strip.height(), s.h * scale) << qPrintable(name);
            EXPECT_TRUE(opaque(strip)) << qPrintable(name);
        }
    }
}

TEST(ImageSets, EveryImageIsDistinct) {
    for (const SetSpec& s : kSets) {
        const QImage strip = load(QString("assets/images/%1.png").arg(s.file));
        std::vector<QByteArray> seen;
        for (int i = 0; i < s.count; ++i) {
            const QImage f = frame(strip, i, s.w, s.h);
            const QByteArray hash = QCryptographicHash::hash(
                QByteArray(reinterpret_cast<const char*>(f.constBits()), f.sizeInBytes()),
                QCryptographicHash::Sha1);
            for (size_t j = 0; j < seen.size(); ++j)
                EXPECT_NE(seen[j], hash) << s.file << " " << j << " and " << i << " are the same";
            seen.push_back(hash);
        }
    }
}

// The top-left 25 x 28 pixels are all a player sees of a covered card: they
// must carry the index in the suit's colour (clubs and spades black, diamonds
// and hearts red), which also pins the index order 13 x suit + rank.
TEST(Cards, CornerIndexInTheVisibleStripInTheSuitColour) {
    const QImage strip = load("assets/images/cards.png");
    for (int index = 0; index < 52; ++index) {
        const QImage card = frame(strip, index, 71, 96);
        int red = 0, dark = 0;
        for (int y = 2; y < 28; ++y)
            for (int x = 1; x < 16; ++x) {
                const QRgb c = card.pixel(x, y);
                if (qRed(c) > 150 && qGreen(c) < 90 && qBlue(c) < 90) ++red;
                if (qRed(c) < 70 && qGreen(c) < 70 && qBlue(c) < 70) ++dark;
            }
        const int suit = index / 13;
        const bool isRed = suit == 1 || suit == 2;
        if (isRed) {
            EXPECT_GT(red, 40) << "card " << index;
            EXPECT_EQ(dark, 0) << "card " << index;
        } else {
            EXPECT_GT(dark, 40) << "card " << index;
            EXPECT_EQ(red, 0) << "card " << index;
        }
        // The bottom-right copy: the same ink, turned.
        int inkBottom = 0;
        for (int y = 68; y < 94; ++y)
            for (int x = 55; x < 70; ++x) {
                const QRgb c = card.pixel(x, y);
                if (qGreen(c) < 90) ++inkBottom;
            }
        EXPECT_GT(inkBottom, 40) << "card " << index;
    }
}

TEST(Cards, FacesAreWhiteCardsAndBacksAreColoured) {
    const QImage strip = load("assets/images/cards.png");
    for (int index = 0; index < 60; ++index) {
        const QImage card = frame(strip, index, 71, 96);
        // A point on the margin between the corner index and the pips.
        const QRgb margin = card.pixel(2, 50);
        EXPECT_GT(qGray(margin), 225) << "card " << index;
        // Faces are mostly white inside, backs mostly colour.
        long sum = 0;
        for (int y = 10; y < 86; ++y)
            for (int x = 8; x < 63; ++x) sum += qGray(card.pixel(x, y));
        const double mean = static_cast<double>(sum) / (76 * 55);
        if (index < 52) {
            EXPECT_GT(mean, 150) << "face " << index;
        } else {
            EXPECT_LT(mean, 200) << "back " << index;
        }
    }
}

// ---- portraits ------------------------------------------------------------

constexpr int kBand = 9; // the gold frame

TEST(Portraits, LitFramesDifferOnlyInTheFrame) {
    const QImage strip = load("assets/images/players.png");
    const QRect picture(kBand, kBand, 120 - 2 * kBand, 130 - 2 * kBand);
    for (int rest : {0, 2, 4, 6}) {
        const QRect diff =
            difference(frame(strip, rest, 120, 130), frame(strip, rest + 1, 120, 130));
        EXPECT_FALSE(diff.isEmpty()) << "frame " << rest + 1;
        const QImage a = frame(strip, rest, 120, 130).copy(picture);
        const QImage b = frame(strip, rest + 1, 120, 130).copy(picture);
        EXPECT_TRUE(difference(a, b).isEmpty()) << "frame " << rest + 1 << " changes the face";
    }
}

TEST(Portraits, ExpressionFramesChangeOnlyTheFace) {
    const QImage strip = load("assets/images/players.png");
    // frame -> resting frame of the same seat
    const int pairs[][2] = {{8, 0},  {9, 2},  {10, 4}, {11, 6}, {12, 0}, {13, 2},
                            {14, 2}, {15, 4}, {16, 4}, {17, 4}, {18, 6}, {19, 6}};
    const QRect face(28, 40, 64, 62);
    for (const auto& p : pairs) {
        const QRect diff = difference(frame(strip, p[0], 120, 130), frame(strip, p[1], 120, 130));
        EXPECT_FALSE(diff.isEmpty()) << "frame " << p[0] << " equals its resting frame";
        EXPECT_TRUE(face.contains(diff)) << "frame " << p[0] << " differs at " << diff.x() << ","
                                         << diff.y() << " " << diff.width() << "x" << diff.height();
    }
    // Blinks and glances move the eyes only; smiles the mouth only.
    for (int f : {12, 13, 14, 15, 16, 17, 18, 19}) {
        const int rest = f == 12 ? 0 : f <= 14 ? 2 : f <= 17 ? 4 : 6;
        EXPECT_LT(difference(frame(strip, f, 120, 130), frame(strip, rest, 120, 130)).bottom(), 72)
            << "frame " << f;
    }
    for (int f : {8, 9, 10, 11}) {
        EXPECT_GT(difference(frame(strip, f, 120, 130), frame(strip, (f - 8) * 2, 120, 130)).top(),
                  60)
            << "frame " << f;
    }
}

// ---- table, coins and the places where they agree ----------------------------

TEST(Table, TwentyFourBitBottomUpBitmapsThatQtReads) {
    for (const char* name : {"assets/data/kaveltable.bmp", "assets/data/kaveltable@2x.bmp"}) {
        const int scale = QString(name).contains("@2x") ? 2 : 1;
        const QByteArray b = readAll(asset(name));
        ASSERT_GT(b.size(), 54) << name;
        EXPECT_EQ(b.left(2), QByteArray("BM"));
        EXPECT_EQ(le32(b, 2), static_cast<std::uint32_t>(b.size()));
        EXPECT_EQ(le32(b, 14), 40u); // BITMAPINFOHEADER
        EXPECT_EQ(static_cast<std::int32_t>(le32(b, 18)), 910 * scale);
        EXPECT_EQ(static_cast<std::int32_t>(le32(b, 22)), 691 * scale); // positive: bottom-up
        EXPECT_EQ(le16(b, 28), 24);
        EXPECT_EQ(le32(b, 30), 0u); // uncompressed
        const QImage image(asset(name));
        EXPECT_EQ(image.size(), QSize(910, 691) * scale) << name;
    }
}

// The table at four times the size: a plain 8-bit colour PNG (no alpha, no
// interlacing) of the very table the bitmaps show. The box filter that made
// the smaller ones from the same master gives them back from it exactly, so
// not one pixel of it was lost or drawn differently.
TEST(Table, FourTimesTableIsALosslessPngOfTheSameTable) {
    const QByteArray b = readAll(asset("assets/data/kaveltable@4x.png"));
    ASSERT_GT(b.size(), 33);
    EXPECT_EQ(b.left(8), QByteArray("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(b.mid(12, 4), QByteArray("IHDR"));
    const auto be32 = [&b](int at) { return qFromBigEndian<quint32>(b.constData() + at); };
    EXPECT_EQ(be32(16), 3640u);
    EXPECT_EQ(be32(20), 2764u);
    EXPECT_EQ(b.mid(24, 5), QByteArray("\x08\x02\x00\x00\x00", 5));
    EXPECT_EQ(b.right(8), QByteArray("IEND\xae\x42\x60\x82", 8));
    // Far smaller than the 30 MB a bitmap would be.
    EXPECT_LT(b.size(), 10 * 1024 * 1024);
    const QImage table4 = load("assets/data/kaveltable@4x.png");
    ASSERT_EQ(table4.size(), QSize(3640, 2764));
    EXPECT_TRUE(difference(boxShrink(table4, 2), load("assets/data/kaveltable@2x.bmp")).isEmpty());
    EXPECT_TRUE(difference(boxShrink(table4, 4), load("assets/data/kaveltable.bmp")).isEmpty());
}

TEST(Table, CarriesTheRestingPortraitsAndTheBareCoinSurface) {
    for (int scale : {1, 2, 4}) {
        const QString at = scale == 1 ? "" : QStringLiteral("@%1x").arg(scale);
        const QImage table = load("assets/data/kaveltable" + at + (scale == 4 ? ".png" : ".bmp"));
        ASSERT_EQ(table.size(), QSize(910, 691) * scale) << qPrintable(at);
        const QImage players = load("assets/images/players" + at + ".png");
        const QImage coins = load("assets/images/coins" + at + ".png");
        const QPoint pos[4] = {{48, 268}, {160, 29}, {632, 29}, {744, 268}};
        for (int seat = 0; seat < 4; ++seat) {
            const QImage onTable = table.copy(QRect(pos[seat] * scale, QSize(120, 130) * scale));
            const QImage resting = frame(players, 2 * seat, 120 * scale, 130 * scale);
            EXPECT_TRUE(difference(onTable, resting).isEmpty()) << "seat " << seat << at.data();
        }
        const QImage under = table.copy(QRect(QPoint(498, 350) * scale, QSize(134, 126) * scale));
        const QImage bare = frame(coins, 3, 134 * scale, 126 * scale);
        EXPECT_TRUE(difference(under, bare).isEmpty()) << "coin frame 3 " << qPrintable(at);
        // The pile lies on that same surface: its frames' corners match it.
        for (int f = 0; f < 3; ++f) {
            const QImage pile = frame(coins, f, 134 * scale, 126 * scale);
            for (const QPoint& c : {QPoint(0, 0), QPoint(133, 0), QPoint(0, 125), QPoint(133, 125)})
                EXPECT_EQ(pile.pixel(c * scale), bare.pixel(c * scale)) << "coin frame " << f;
            EXPECT_FALSE(difference(pile, bare).isEmpty());
        }
    }
}

// White labels must stay readable: the cloth under them is dark.
TEST(Table, ClothUnderTheLabelsIsDark) {
    const QImage table = load("assets/data/kaveltable.bmp");
    const QPoint labels[] = {{424, 448}, {460, 448}, {424, 464}, {184, 344},
                             {184, 360}, {296, 104}, {296, 120}, {528, 104},
                             {528, 120}, {632, 344}, {632, 360}, {446, 304}};
    for (const QPoint& l : labels)
        for (int dx = 0; dx < 40; dx += 4)
            EXPECT_LT(qGray(table.pixel(l + QPoint(dx, 5))), 110) << l.x() << "," << l.y();
}

// ---- About picture ---------------------------------------------------------

struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
};

void onJpegError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1);
}

struct Decoded {
    bool ok = false;
    bool progressive = true;
    int w = 0, h = 0;
    std::vector<unsigned char> rgb;
};

Decoded decodeJpeg(const QByteArray& data) {
    Decoded out;
    jpeg_decompress_struct info;
    JpegError err;
    info.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = onJpegError;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&info);
        return Decoded{};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    out.progressive = jpeg_has_multiple_scans(&info);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    out.w = static_cast<int>(info.output_width);
    out.h = static_cast<int>(info.output_height);
    out.rgb.resize(static_cast<size_t>(out.w) * out.h * 3);
    while (info.output_scanline < info.output_height) {
        unsigned char* row = &out.rgb[static_cast<size_t>(info.output_scanline) * out.w * 3];
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    out.ok = true;
    return out;
}

// The language codes of the translations, from i18n/sevenstud_<code>.ts.
QStringList languages() {
    QStringList codes;
    for (const QString& f : QDir(asset("i18n")).entryList({"sevenstud_*.ts"}, QDir::Files))
        codes << f.mid(10, f.size() - 13);
    return codes;
}

TEST(About, BaselineJpegsThatLibjpegDecodes) {
    const QStringList files = QDir(asset("assets/images")).entryList({"about*.jpg"}, QDir::Files);
    // English and every translation, at 1x, 2x and 4x.
    EXPECT_EQ(files.size(), 3 * (1 + languages().size()));
    for (const QString& file : files) {
        const QString name = "assets/images/" + file;
        const QString scale = file.contains("@4x") ? "@4x" : file.contains("@2x") ? "@2x" : "";
        const int size = scale.isEmpty() ? 460 : scale == "@2x" ? 920 : 1840;
        const QByteArray data = readAll(asset(name));
        ASSERT_FALSE(data.isEmpty()) << qPrintable(name);
        // A translation that drew the English lines would look the same.
        if (file.startsWith("about_")) {
            EXPECT_NE(data, readAll(asset("assets/images/about" + scale + ".jpg")))
                << qPrintable(name);
        }
        // Baseline DCT frame (SOF0), no progressive or extended frame markers.
        EXPECT_TRUE(data.contains(QByteArray("\xff\xc0", 2))) << qPrintable(name);
        for (const char* sof : {"\xff\xc1", "\xff\xc2", "\xff\xc3"})
            EXPECT_FALSE(data.contains(QByteArray(sof, 2))) << qPrintable(name);
        const Decoded d = decodeJpeg(data);
        ASSERT_TRUE(d.ok) << qPrintable(name);
        EXPECT_FALSE(d.progressive);
        EXPECT_EQ(d.w, size);
        EXPECT_EQ(d.h, size);
        // Black around the scroll, parchment in the middle.
        auto at = [&](int x, int y) { return &d.rgb[(static_cast<size_t>(y) * d.w + x) * 3]; };
        const unsigned char* corner = at(4, size - 5);
        EXPECT_LT(corner[0] + corner[1] + corner[2], 40);
        const unsigned char* paper = at(size * 23 / 100, size * 65 / 100);
        EXPECT_GT(paper[0], 180);
        EXPECT_GT(paper[0], paper[2]); // warm, not grey
    }
}

// Each AboutPicture context of a Qt Linguist file: its messages, source to translation.
std::vector<QHash<QString, QString>> aboutContexts(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << qPrintable(path);
    QXmlStreamReader xml(&f);
    std::vector<QHash<QString, QString>> contexts;
    bool inside = false;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("name")) {
            inside = xml.readElementText() == "AboutPicture";
            if (inside) contexts.emplace_back();
        } else if (xml.name() == QLatin1String("context")) {
            inside = false;
        } else if (inside && xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (inside && xml.name() == QLatin1String("translation")) {
            contexts.back().insert(source, xml.readElementText());
        }
    }
    EXPECT_FALSE(xml.hasError()) << qPrintable(path) << ":" << xml.lineNumber() << ": "
                                 << qPrintable(xml.errorString());
    return contexts;
}

TEST(About, EveryTranslationHasEveryLineOfThePicture) {
    ASSERT_FALSE(languages().isEmpty());
    for (const QString& code : languages()) {
        const QString ts = "i18n/sevenstud_" + code + ".ts";
        const auto contexts = aboutContexts(asset(ts));
        // One context: two (say from a merge) would leave one of them unused.
        ASSERT_EQ(contexts.size(), 1u) << qPrintable(ts);
        for (const char* line : kAboutLines) {
            EXPECT_TRUE(contexts[0].contains(line)) << qPrintable(ts) << " lacks \"" << line << '"';
            EXPECT_FALSE(contexts[0].value(line).trimmed().isEmpty())
                << qPrintable(ts) << " leaves \"" << line << "\" untranslated";
        }
    }
}

TEST(Icons, AllDesktopSizes) {
    for (int size : {32, 48, 64, 128, 256}) {
        const QImage icon(asset(QString("assets/icons/sevenstud-%1.png").arg(size)));
        EXPECT_EQ(icon.size(), QSize(size, size)) << size;
    }
}

// ---- sounds ----------------------------------------------------------------

TEST(Sounds, MonoSixteenBitWavesWithASilentTailAndNoClicks) {
    for (const char* name : {"card1.wav", "card2.wav", "chip1.wav", "chip3.wav", "chip4.wav"}) {
        const QByteArray b = readAll(asset(QString("assets/data/") + name));
        ASSERT_GT(b.size(), 44) << name;
        EXPECT_EQ(b.left(4), QByteArray("RIFF"));
        EXPECT_EQ(le32(b, 4), static_cast<std::uint32_t>(b.size() - 8));
        EXPECT_EQ(b.mid(8, 8), QByteArray("WAVEfmt "));
        EXPECT_EQ(le32(b, 16), 16u);
        EXPECT_EQ(le16(b, 20), 1) << name; // PCM
        EXPECT_EQ(le16(b, 22), 1) << name; // mono
        EXPECT_EQ(le32(b, 24), 44100u) << name;
        EXPECT_EQ(le32(b, 28), 88200u) << name;
        EXPECT_EQ(le16(b, 32), 2) << name;
        EXPECT_EQ(le16(b, 34), 16) << name;
        EXPECT_EQ(b.mid(36, 4), QByteArray("data"));
        const std::uint32_t bytes = le32(b, 40);
        ASSERT_EQ(bytes + 44, static_cast<std::uint32_t>(b.size())) << name;
        std::vector<int> s(bytes / 2);
        for (size_t i = 0; i < s.size(); ++i)
            s[i] = static_cast<std::int16_t>(le16(b, 44 + static_cast<int>(i) * 2));

        // 200 ms of digital silence at the end, less than a second before it.
        const size_t tail = 8820;
        ASSERT_GT(s.size(), tail) << name;
        for (size_t i = s.size() - tail; i < s.size(); ++i) ASSERT_EQ(s[i], 0) << name << " @" << i;
        const size_t sound = s.size() - tail;
        EXPECT_LT(sound, 44100u) << name;
        EXPECT_GT(sound, 441u) << name;

        // Faded in over 2 ms and out over 5 ms: no sample rises above the ramp,
        // so the sound neither starts nor stops with a click.
        const double full = 32768.0;
        for (size_t i = 0; i < 88; ++i)
            EXPECT_LE(std::abs(s[i]), full * (i + 1) / 88.0) << name << " at " << i;
        for (size_t i = 0; i < 220; ++i)
            EXPECT_LE(std::abs(s[sound - 1 - i]), full * (i + 1) / 220.0) << name << " end-" << i;

        int peak = 0;
        for (size_t i = 0; i < sound; ++i) peak = std::max(peak, std::abs(s[i]));
        const double dbfs = 20 * std::log10(peak / 32768.0);
        EXPECT_NEAR(dbfs, -3.0, 0.5) << name;
    }
}

// ---- the generator ---------------------------------------------------------

#ifdef STUD_ASSETGEN
// Regenerating must reproduce every committed file byte for byte: a build
// never runs the generator, so drift would go unnoticed otherwise.
TEST(Generator, RewritesTheCommittedFilesExactly) {
    const stud::testing::TempDir tmp("studassets");
    const QDir dir(QString::fromStdString(tmp.path().string()));
    QProcess gen;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    gen.setProcessEnvironment(env);
    gen.start(QStringLiteral(STUD_ASSETGEN), {"--out", dir.path()});
    ASSERT_TRUE(gen.waitForFinished(110000));
    ASSERT_EQ(gen.exitCode(), 0) << gen.readAllStandardError().constData();

    int compared = 0;
    for (const QString& folder : {QString("assets/images"), QString("assets/data"),
                                  QString("assets/icons"), QString("docs/art")}) {
        const QStringList files = QDir(dir.path() + "/" + folder).entryList(QDir::Files);
        for (const QString& f : files) {
            const QString relative = folder + "/" + f;
            EXPECT_EQ(readAll(dir.path() + "/" + relative), readAll(asset(relative)))
                << qPrintable(relative) << " differs from the committed file";
            ++compared;
        }
    }
    // The strips at 1x, 2x and 4x (cards twice: the four-colour deck), the
    // About pictures at the same three, the three tables and the sounds, the
    // icons, the sheets.
    EXPECT_EQ(compared, 4 * 3 + 3 + 3 * languages().size() + 8 + 5 + 2);
}

// One About picture per translation file, whatever its language.
TEST(Generator, DrawsTheAboutPictureForEachTranslationFile) {
    const stud::testing::TempDir tmpI18n("studi18n"), tmpOut("studassets");
    const QDir i18n(QString::fromStdString(tmpI18n.path().string()));
    const QDir out(QString::fromStdString(tmpOut.path().string()));
    ASSERT_TRUE(QFile::copy(asset("i18n/sevenstud_de.ts"), i18n.filePath("sevenstud_xx.ts")));
    QProcess gen;
    gen.start(QStringLiteral(STUD_ASSETGEN),
              {"--out", out.path(), "--only", "about", "--i18n", i18n.path()});
    ASSERT_TRUE(gen.waitForFinished(60000));
    ASSERT_EQ(gen.exitCode(), 0) << gen.readAllStandardError().constData();
    const QStringList written =
        QDir(out.filePath("assets/images")).entryList({"about*.jpg"}, QDir::Files, QDir::Name);
    EXPECT_EQ(written, QStringList({"about.jpg", "about@2x.jpg", "about@4x.jpg", "about_xx.jpg",
                                    "about_xx@2x.jpg", "about_xx@4x.jpg"}));
    for (const char* scale : {"@2x", "@4x"})
        EXPECT_EQ(readAll(out.filePath(QString("assets/images/about_xx%1.jpg").arg(scale))),
                  readAll(asset(QString("assets/images/about_de%1.jpg").arg(scale))))
            << scale;
}
#endif

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    stud::testing::failSkipsUnderCi();
    return RUN_ALL_TESTS();
}
