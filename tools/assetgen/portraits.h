#pragma once

#include <QImage>

namespace assetgen {

constexpr int kPortraitW = 120;
constexpr int kPortraitH = 130;
constexpr int kPortraitCount = 20;

// The master of portrait frame `index` (0..19) at kSuper.
QImage portraitMaster(int index);

} // namespace assetgen
