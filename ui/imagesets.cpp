#include "ui/imagesets.h"

#include "table/rules.h"

#include <QHash>
#include <QPainter>

#include <exception>
#include <future>
#include <mutex>
#include <vector>

namespace stud {

namespace {

struct SetInfo {
    const char* name;
    int count, width, height;
};

// Sizes and counts are fixed by the drawing code, which uses the indices
// directly: the card faces and backs (table/rules.h), 20 portrait frames,
// 4 coin frames.
constexpr std::array<SetInfo, 3> kSets{{
    {"cards", kLastCardBack + 1, kCardWidth, kCardHeight},
    {"players", 20, 120, 130},
    {"coins", 4, 134, 126},
}};

// The strips drawn by the asset generator, smallest first.
constexpr std::array<int, 3> kStripScales{1, 2, 4};

const SetInfo& info(ImageSet set) {
    return kSets[static_cast<int>(set)];
}

// One strip as the program carries it, opaque, at `scale`; null when the
// resource is missing, and StudError when it has the wrong size. The 1x and 2x
// strips are decoded once, so a zoom change to their sizes costs only the
// shrinking; the 4x ones (50 MB together) are decoded each time a size above
// twice needs them and let go once shrunk, which keeps a full screen's memory
// down at the price of a few tens of milliseconds per change.
QImage loadStrip(ImageSet set, int scale, ImageSets::Deck deck) {
    const SetInfo& s = info(set);
    const QString path = ImageSets::resourcePath(set, scale, deck);
    // Sets are loaded on two threads at once.
    static std::mutex guard;
    static QHash<QString, QImage> decoded;
    {
        const std::lock_guard<std::mutex> lock(guard);
        if (auto it = decoded.constFind(path); it != decoded.constEnd()) return *it;
    }
    QImage loaded(path);
    if (loaded.isNull()) return {};
    // The reader marks an "@2x" file as being of ratio 2, which would make
    // every draw halve it; the canvas counts device pixels itself.
    loaded.setDevicePixelRatio(1);
    const QSize want(s.width * s.count * scale, s.height * scale);
    if (loaded.size() != want)
        throw StudError("The picture set \"%1\" has the wrong size", path.toStdString());
    // Drawn opaque: whatever transparency the strip carries ends up on
    // black, the window colour, and drawing is then a plain copy. A strip
    // with no alpha at all is that already.
    QImage opaque;
    if (loaded.hasAlphaChannel()) {
        opaque = QImage(want, QImage::Format_RGB32);
        opaque.fill(Qt::black);
        QPainter p(&opaque);
        p.drawImage(0, 0, loaded);
    } else {
        opaque = loaded.convertToFormat(QImage::Format_RGB32);
        loaded = QImage();
    }
    if (scale < 4) {
        const std::lock_guard<std::mutex> lock(guard);
        decoded.insert(path, opaque);
    }
    return opaque;
}

} // namespace

int ImageSets::count(ImageSet set) {
    return info(set).count;
}

QSize ImageSets::size(ImageSet set) {
    return {info(set).width, info(set).height};
}

QSize ImageSets::deviceSize(ImageSet set) const {
    const SetInfo& s = info(set);
    return {qRound(s.width * resolution_), qRound(s.height * resolution_)};
}

QString ImageSets::resourcePath(ImageSet set, int scale, Deck deck) {
    const bool four = deck == Deck::FourColour && set == ImageSet::cards;
    return QStringLiteral(":/images/%1%2%3.png")
        .arg(QLatin1String(info(set).name), four ? QStringLiteral("4") : QString(),
             scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale));
}

ImageSets::ImageSets(int scale) : ImageSets(scale == 2 ? 2.0 : 1.0, Deck::TwoColour) {}

ImageSets::ImageSets(qreal resolution, Deck deck)
    : resolution_(resolution > 0 ? resolution : 1.0), deck_(deck) {
    const auto build = [this](ImageSet set) {
        const SetInfo& s = info(set);
        // The strip drawn at this resolution, or else the next larger one,
        // or else the largest smaller one there is.
        std::vector<int> order;
        for (int scale : kStripScales)
            if (scale >= resolution_) order.push_back(scale);
        for (auto it = kStripScales.rbegin(); it != kStripScales.rend(); ++it)
            if (*it < resolution_) order.push_back(*it);
        QImage source;
        int sourceScale = 0;
        for (int scale : order) {
            source = loadStrip(set, scale, deck_);
            sourceScale = scale;
            if (!source.isNull()) break;
        }
        if (source.isNull())
            throw StudError("The picture set \"%1\" is missing",
                            resourcePath(set, order.front(), deck_).toStdString());
        if (sourceScale == resolution_) return source;
        // Image by image, so that no picture bleeds into its neighbour.
        const QSize one = deviceSize(set);
        QImage strip(one.width() * s.count, one.height(), QImage::Format_RGB32);
        QPainter p(&strip);
        for (int i = 0; i < s.count; ++i) {
            const QImage image = source.copy(i * s.width * sourceScale, 0, s.width * sourceScale,
                                             s.height * sourceScale);
            p.drawImage(i * one.width(), 0,
                        image.scaled(one, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        }
        p.end();
        return strip;
    };
    // The cards are half the work: made on a second core meanwhile.
    auto cards = std::async(std::launch::async, build, ImageSet::cards);
    std::exception_ptr failed;
    try {
        strips_[static_cast<int>(ImageSet::players)] = build(ImageSet::players);
        strips_[static_cast<int>(ImageSet::coins)] = build(ImageSet::coins);
    } catch (...) {
        failed = std::current_exception();
    }
    strips_[static_cast<int>(ImageSet::cards)] = cards.get(); // throws what it threw
    if (failed) std::rethrow_exception(failed);
}

QRect ImageSets::sourceRect(ImageSet set, int index) const {
    const QSize one = deviceSize(set);
    return {index * one.width(), 0, one.width(), one.height()};
}

QImage ImageSets::image(ImageSet set, int index) const {
    return strip(set).copy(sourceRect(set, index));
}

} // namespace stud
