#pragma once

#include <QFont>
#include <QFontInfo>
#include <QString>

namespace stud {

// The game's two faces, asked for by pixel size so that the fixed layout holds
// at any font DPI. Verdana 8 point is 11 pixels high; where it is missing,
// DejaVu Sans (Verdana's proportions) stands in.
inline QFont verdana(int pixelSize = 11, bool bold = false) {
    QFont f;
    f.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

// Tahoma 8 point: a narrower Verdana. Where it is missing the stand-in is
// squeezed to Tahoma's width, so that text keeps clear of its neighbours.
inline QFont tahoma() {
    QFont f;
    f.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(11);
    if (QFontInfo(f).family().compare(QStringLiteral("Tahoma"), Qt::CaseInsensitive) != 0)
        f.setStretch(88);
    return f;
}

} // namespace stud
