// assetgen: draws the game's pictures and synthesises its sounds.
//
//   assetgen --out <root> [--only <list>] [--i18n <folder>]
//
// writes <root>/assets/... and <root>/docs/art/...; <list> is a comma-separated
// choice of cards, players, coins, table, about, icons, sounds, sheets (all by
// default). The About picture is drawn in English and once more for every
// sevenstud_<code>.ts in <folder> (the source tree's i18n/ by default), from
// its AboutPicture context. The same program always writes the same bytes.

#include "about.h"
#include "canvas.h"
#include "cards.h"
#include "portraits.h"
#include "sheets.h"
#include "suits.h"
#include "synth.h"
#include "table.h"
#include "translations.h"

#include <QDir>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

using namespace assetgen;

namespace {

struct Output {
    QString root;
    bool ok = true;

    QString path(const QString& relative) const {
        const QString full = root + "/" + relative;
        QDir().mkpath(QFileInfo(full).absolutePath());
        return full;
    }
    void png(const QImage& image, const QString& relative) {
        if (!writePng(image, path(relative))) fail(relative);
    }
    void jpeg(const QImage& image, const QString& relative) {
        if (!writeJpeg(image, path(relative), 92)) fail(relative);
    }
    void fail(const QString& relative) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", qPrintable(relative));
        ok = false;
    }
};

// The About picture's lines in one translation, or why it cannot be drawn.
bool translatedLines(const Translation& t, QStringList& lines, QString& error) {
    lines.clear();
    for (const QString& english : aboutLines()) {
        const QString line = t.messages.value(english);
        if (line.isEmpty()) {
            error = QString("%1: no translation of \"%2\" in the AboutPicture context")
                        .arg(t.file, english);
            return false;
        }
        lines << line;
    }
    return true;
}

std::vector<QImage> ofScale(const std::vector<Scaled>& images, int scale) {
    std::vector<QImage> out;
    for (const Scaled& s : images) out.push_back(scale == 4 ? s.x4 : scale == 2 ? s.x2 : s.x1);
    return out;
}

// A set's strips at 1x, 2x and 4x: "<name>.png", "<name>@2x.png", "<name>@4x.png".
void strips(Output& out, const std::vector<Scaled>& images, const QString& name) {
    out.png(strip(ofScale(images, 1)), "assets/images/" + name + ".png");
    out.png(strip(ofScale(images, 2)), "assets/images/" + name + "@2x.png");
    out.png(strip(ofScale(images, 4)), "assets/images/" + name + "@4x.png");
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    Output out;
    QStringList only;
    QString i18n = QStringLiteral(ASSETGEN_I18N);
    const char* usage = "usage: assetgen --out <root> [--only <list>] [--i18n <folder>]\n";
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--out" && i + 1 < args.size())
            out.root = args[++i];
        else if (args[i] == "--only" && i + 1 < args.size())
            only = args[++i].split(',');
        else if (args[i] == "--i18n" && i + 1 < args.size())
            i18n = args[++i];
        else {
            std::fprintf(stderr, "%s", usage);
            return 2;
        }
    }
    if (out.root.isEmpty()) {
        std::fprintf(stderr, "%s", usage);
        return 2;
    }
    auto wanted = [&](const char* what) { return only.isEmpty() || only.contains(what); };
    const bool sheets = wanted("sheets");

    std::vector<Scaled> cards;
    if (wanted("cards") || sheets) {
        for (int i = 0; i < kCardCount; ++i) cards.push_back(scaled(cardMaster(i)));
        if (wanted("cards")) {
            strips(out, cards, "cards");
            // The four-colour deck: the same faces with diamonds blue and
            // clubs green, and the very same backs.
            std::vector<Scaled> four;
            fourColourDeck = true;
            for (int i = 0; i < kCardCount; ++i)
                four.push_back(i < 52 ? scaled(cardMaster(i)) : cards[static_cast<size_t>(i)]);
            fourColourDeck = false;
            strips(out, four, "cards4");
        }
    }

    // The table carries the resting portraits and the coins are cut from the
    // table, so these three come together.
    std::vector<Scaled> portraits;
    QImage table1, table2;
    std::vector<Scaled> coins;
    if (wanted("players") || wanted("table") || wanted("coins") || sheets) {
        for (int i = 0; i < kPortraitCount; ++i) portraits.push_back(scaled(portraitMaster(i)));
        if (wanted("players")) strips(out, portraits, "players");
        const QImage master = tableMaster();
        const Scaled table = scaled(master);
        table1 = table.x1;
        table2 = table.x2;
        QImage table4 = table.x4;
        {
            QPainter p1(&table1), p2(&table2), p4(&table4);
            for (int seat = 0; seat < 4; ++seat) {
                const Scaled& rest = portraits[static_cast<size_t>(restingFrame(seat))];
                p1.drawImage(portraitPos(seat), rest.x1);
                p2.drawImage(portraitPos(seat) * 2, rest.x2);
                p4.drawImage(portraitPos(seat) * 4, rest.x4);
            }
        }
        const QImage surface = master.copy(kCoinPos.x() * kSuper, kCoinPos.y() * kSuper,
                                           kCoinW * kSuper, kCoinH * kSuper);
        for (int f = 0; f < 3; ++f) coins.push_back(scaled(coinMaster(surface, f)));
        // The bare surface is cut from the finished bitmap itself, so that
        // removing the pile restores exactly what the table shows there.
        coins.push_back({table1.copy(QRect(kCoinPos, QSize(kCoinW, kCoinH))),
                         table2.copy(QRect(kCoinPos * 2, QSize(kCoinW, kCoinH) * 2)),
                         table4.copy(QRect(kCoinPos * 4, QSize(kCoinW, kCoinH) * 4))});
        if (wanted("table")) {
            if (!writeBmp24(table1, out.path("assets/data/kaveltable.bmp")))
                out.fail("kaveltable.bmp");
            if (!writeBmp24(table2, out.path("assets/data/kaveltable@2x.bmp")))
                out.fail("kaveltable@2x.bmp");
            // At four times the size a bitmap would weigh some 30 MB; a
            // lossless PNG keeps every fibre of the felt in under a third.
            if (!writePngRgb(table4, out.path("assets/data/kaveltable@4x.png")))
                out.fail("kaveltable@4x.png");
        }
        if (wanted("coins")) strips(out, coins, "coins");
    }

    Scaled about;
    if (wanted("about") || sheets) {
        about = scaled(aboutMaster());
        if (wanted("about")) {
            out.jpeg(about.x1, "assets/images/about.jpg");
            out.jpeg(about.x2, "assets/images/about@2x.jpg");
            out.jpeg(about.x4, "assets/images/about@4x.jpg");
            std::vector<Translation> translations;
            QString error;
            if (!readTranslations(i18n, "AboutPicture", translations, error)) {
                std::fprintf(stderr, "assetgen: %s\n", qPrintable(error));
                return 1;
            }
            for (const Translation& t : translations) {
                QStringList lines;
                if (!translatedLines(t, lines, error)) {
                    std::fprintf(stderr, "assetgen: %s\n", qPrintable(error));
                    return 1;
                }
                const Scaled local = scaled(aboutMaster(lines));
                out.jpeg(local.x1, "assets/images/about_" + t.code + ".jpg");
                out.jpeg(local.x2, "assets/images/about_" + t.code + "@2x.jpg");
                out.jpeg(local.x4, "assets/images/about_" + t.code + "@4x.jpg");
            }
        }
    }

    std::vector<QImage> icons;
    if (wanted("icons") || sheets) {
        for (int size : {32, 48, 64, 128, 256}) {
            icons.push_back(icon(size));
            if (wanted("icons"))
                out.png(icons.back(), QString("assets/icons/sevenstud-%1.png").arg(size));
        }
    }

    if (wanted("sounds")) {
        for (const Sound& s : makeSounds())
            if (!writeWav(out.path("assets/data/" + QString::fromStdString(s.file)).toStdString(),
                          s.samples))
                out.fail(QString::fromStdString(s.file));
    }

    if (sheets) {
        const std::vector<SheetSet> sets = {{"cards", ofScale(cards, 1)},
                                            {"players", ofScale(portraits, 1)},
                                            {"coins", ofScale(coins, 1)}};
        out.png(contactSheet(sets, table1, about.x1, icons), "docs/art/contact-sheet.png");
        out.png(tablePreview(table1, ofScale(cards, 1), ofScale(portraits, 1), 52),
                "docs/art/table-preview.png");
    }
    return out.ok ? 0 : 1;
}
