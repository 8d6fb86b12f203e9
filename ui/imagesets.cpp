#include "ui/imagesets.h"

#include "table/rules.h"

#include <QPainter>

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

const SetInfo& info(ImageSet set) {
    return kSets[static_cast<int>(set)];
}

} // namespace

int ImageSets::count(ImageSet set) {
    return info(set).count;
}

QSize ImageSets::size(ImageSet set) {
    return {info(set).width, info(set).height};
}

QString ImageSets::resourcePath(ImageSet set, int scale) {
    return QStringLiteral(":/images/%1%2.png")
        .arg(QLatin1String(info(set).name), scale == 2 ? QStringLiteral("@2x") : QString());
}

ImageSets::ImageSets(int scale) : scale_(scale == 2 ? 2 : 1) {
    for (ImageSet set : {ImageSet::cards, ImageSet::players, ImageSet::coins}) {
        const SetInfo& s = info(set);
        const QString path = resourcePath(set, scale_);
        QImage loaded(path);
        // The reader marks an "@2x" file as being of ratio 2, which would make
        // every draw halve it; the canvas counts device pixels itself.
        loaded.setDevicePixelRatio(1);
        const QSize want(s.width * s.count * scale_, s.height * scale_);
        if (loaded.isNull())
            throw StudError("The picture set \"%1\" is missing", path.toStdString());
        if (loaded.size() != want)
            throw StudError("The picture set \"%1\" has the wrong size", path.toStdString());
        // Drawn opaque: whatever transparency the strip carries ends up on
        // black, the window colour, and drawing is then a plain copy.
        QImage opaque(want, QImage::Format_RGB32);
        opaque.fill(Qt::black);
        QPainter p(&opaque);
        p.drawImage(0, 0, loaded);
        p.end();
        strips_[static_cast<int>(set)] = opaque;
    }
}

QRect ImageSets::sourceRect(ImageSet set, int index) const {
    const SetInfo& s = info(set);
    return {index * s.width * scale_, 0, s.width * scale_, s.height * scale_};
}

QImage ImageSets::image(ImageSet set, int index) const {
    return strip(set).copy(sourceRect(set, index));
}

} // namespace stud
