#pragma once

#include <QHash>
#include <QString>

#include <vector>

namespace assetgen {

// One language of the game: the <code> of its i18n/sevenstud_<code>.ts and the
// messages of one context in it, each source mapped to its translation.
struct Translation {
    QString code;
    QString file;
    QHash<QString, QString> messages;
};

// Reads `context` from every sevenstud_<code>.ts in folder, ordered by code.
// A file without that context gives no messages. Returns false, with the
// reason in error, if a file cannot be read or is not well-formed XML.
bool readTranslations(const QString& folder, const QString& context, std::vector<Translation>& out,
                      QString& error);

} // namespace assetgen
