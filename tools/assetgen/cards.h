#pragma once

#include <QImage>
#include <QPainter>

namespace assetgen {

constexpr int kCardW = 71;
constexpr int kCardH = 96;
constexpr int kCardCount = 60; // faces 0..51 (13 x suit + rank), backs 52..59

// Paints card `index` in 71 x 96 units: faces, then the eight backs.
void paintCard(QPainter& p, int index);

// The master of card `index` at kSuper.
QImage cardMaster(int index);

} // namespace assetgen
