#pragma once

#include <QImage>

#include <vector>

namespace assetgen {

struct SheetSet {
    const char* name;
    std::vector<QImage> images;
};

// Every image of every set with its index, for review.
QImage contactSheet(const std::vector<SheetSet>& sets, const QImage& table, const QImage& about,
                    const std::vector<QImage>& icons);

// The table with cards, portraits and labels where the game draws them, the
// card corners blackened as the game does.
QImage tablePreview(const QImage& table, const std::vector<QImage>& cards,
                    const std::vector<QImage>& portraits, int back);

} // namespace assetgen
