#pragma once

#include "support/tempdir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QString>

namespace stud::testing {

// The run folder shipped with the game (table bitmap and sounds), found from
// STUD_SOURCE_DIR, the source tree the program was built from (the
// benchmarks, which see this file through a link in the build's include
// root), or this file's place in the tree.
inline QString dataDir() {
    QString root = qEnvironmentVariable("STUD_SOURCE_DIR");
#ifdef STUD_SOURCE_ROOT
    if (root.isEmpty()) root = QStringLiteral(STUD_SOURCE_ROOT);
#endif
    if (root.isEmpty()) root = QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath("../..");
    return QDir(root).absoluteFilePath(QStringLiteral("assets/data"));
}

// A temporary folder's path, for Qt.
inline QString qPath(const TempDir& dir) {
    return QString::fromStdString(dir.path().string());
}

// The table file of `scale` (1, 2 or 4) in `folder` (the shipped one is
// dataDir(), best taken before a test changes the working folder) as the
// canvas tiles it at `resolution` device pixels per window pixel: scaled to
// it exactly, smoothly.
inline QImage tableAt(const QString& folder, int scale, qreal resolution) {
    const QString name = scale == 4   ? QStringLiteral("kaveltable@4x.png")
                         : scale == 2 ? QStringLiteral("kaveltable@2x.bmp")
                                      : QStringLiteral("kaveltable.bmp");
    QImage file = QImage(QDir(folder).filePath(name)).convertToFormat(QImage::Format_RGB32);
    file.setDevicePixelRatio(1);
    if (resolution == scale) return file;
    const qreal f = resolution / scale;
    return file.scaled(qRound(file.width() * f), qRound(file.height() * f), Qt::IgnoreAspectRatio,
                       Qt::SmoothTransformation);
}

// Copies the shipped run folder's files into `folder`, a test's working directory.
inline void copyRunFiles(const QString& folder) {
    for (const QFileInfo& f : QDir(dataDir()).entryInfoList(QDir::Files))
        QFile::copy(f.absoluteFilePath(), QDir(folder).filePath(f.fileName()));
}

} // namespace stud::testing
