#pragma once

#include "support/tempdir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace stud::testing {

// The run folder shipped with the game (table bitmap and sounds), found from
// STUD_SOURCE_DIR or, failing that, from this file's place in the tree.
inline QString dataDir() {
    QString root = qEnvironmentVariable("STUD_SOURCE_DIR");
    if (root.isEmpty()) root = QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath("../..");
    return QDir(root).absoluteFilePath(QStringLiteral("assets/data"));
}

// A temporary folder's path, for Qt.
inline QString qPath(const TempDir& dir) {
    return QString::fromStdString(dir.path().string());
}

// Copies the shipped run folder's files into `folder`, a test's working directory.
inline void copyRunFiles(const QString& folder) {
    for (const QFileInfo& f : QDir(dataDir()).entryInfoList(QDir::Files))
        QFile::copy(f.absoluteFilePath(), QDir(folder).filePath(f.fileName()));
}

} // namespace stud::testing
