#pragma once

#include <QImage>
#include <QStringList>

namespace assetgen {

constexpr int kAboutSize = 460;

// The lines the About picture writes under its title (the game's name, which
// every language keeps), in English, in the order drawn.
QStringList aboutLines();

// The About picture at kSuper, with lines[i] written where aboutLines()[i] is
// in English. A line too wide for the scroll is set a size smaller.
QImage aboutMaster(const QStringList& lines = aboutLines());

} // namespace assetgen
