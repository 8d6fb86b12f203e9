#pragma once

#include <QImage>
#include <QPoint>

namespace assetgen {

constexpr int kTableW = 910;
constexpr int kTableH = 691;
constexpr int kCoinW = 134;
constexpr int kCoinH = 126;
inline const QPoint kCoinPos(498, 350);

// Top-left of the portraits of freak, geek, master and champ on the table.
QPoint portraitPos(int seat);
// The resting frame of each opponent's portrait.
int restingFrame(int seat);

// The table at kSuper, without the portraits (they are pasted in after
// shrinking, so that the bitmap holds exactly the resting frames).
QImage tableMaster();

// Coin frame 0, 1 or 2: the pile painted over `surface`, which is the table
// master cropped at the coin position.
QImage coinMaster(const QImage& surface, int frame);

// The application icon at size x size pixels.
QImage icon(int size);

} // namespace assetgen
