#pragma once

#include <QImage>

namespace assetgen {

constexpr int kAboutSize = 460;

// The About picture at kSuper.
QImage aboutMaster();

} // namespace assetgen
