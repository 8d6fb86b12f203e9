#include "translations.h"

#include <QDir>
#include <QFile>
#include <QXmlStreamReader>

namespace assetgen {

namespace {

// The messages of `context` in one Qt Linguist file.
bool readContext(QXmlStreamReader& xml, const QString& context, QHash<QString, QString>& out) {
    bool inContext = false;
    QString name, source, translation;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto tag = xml.name();
            if (tag == QLatin1String("context")) {
                name.clear();
                inContext = false;
            } else if (tag == QLatin1String("name")) {
                name = xml.readElementText();
                inContext = name == context;
            } else if (inContext && tag == QLatin1String("message")) {
                source.clear();
                translation.clear();
            } else if (inContext && tag == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (inContext && tag == QLatin1String("translation")) {
                translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        } else if (xml.isEndElement() && inContext && xml.name() == QLatin1String("message")) {
            if (!translation.isEmpty()) out.insert(source, translation);
        }
    }
    return !xml.hasError();
}

} // namespace

bool readTranslations(const QString& folder, const QString& context, std::vector<Translation>& out,
                      QString& error) {
    const QString prefix = QStringLiteral("sevenstud_");
    const QStringList files = QDir(folder).entryList({prefix + "*.ts"}, QDir::Files, QDir::Name);
    for (const QString& name : files) {
        Translation t;
        t.file = QDir(folder).filePath(name);
        t.code = name.mid(prefix.size(), name.size() - prefix.size() - 3);
        QFile f(t.file);
        if (!f.open(QIODevice::ReadOnly)) {
            error = t.file + ": " + f.errorString();
            return false;
        }
        QXmlStreamReader xml(&f);
        if (!readContext(xml, context, t.messages)) {
            error = QString("%1:%2: %3").arg(t.file).arg(xml.lineNumber()).arg(xml.errorString());
            return false;
        }
        out.push_back(std::move(t));
    }
    return true;
}

} // namespace assetgen
