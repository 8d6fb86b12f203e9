#include "ui/language.h"

#include "table/services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>

#include <vector>

namespace stud {

namespace {

QString readEnv(const char* name) {
    return qEnvironmentVariable(name);
}

// "de" of "de_AT.UTF-8@euro"; "" for the C locale.
QString languageOf(const QString& locale) {
    QString code = locale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    code = code.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
    if (code == QLatin1String("c") || code == QLatin1String("posix")) return {};
    return code;
}

bool shipped(const QString& code) {
    return code == kPseudoLanguage || shippedLanguages().contains(code);
}

// Every letter of the English alphabet, accented or a look-alike outside
// ASCII, so that any plain ASCII letter left on the screen is a text that
// was never translated.
constexpr char16_t kAccentedLower[] = u"áƀçďéƒĝĥíĵķĺɱñóþǫŕšţúṽŵẋýž";
constexpr char16_t kAccentedUpper[] = u"ÁƁÇĎÉƑĜĤÍĴĶĹṀÑÓÞǪŔŠŢÚṼŴẊÝŽ";

// Pseudo-translates everything it is asked for.
class PseudoTranslator final : public QTranslator {
  public:
    QString translate(const char*, const char* source, const char* = nullptr,
                      int = -1) const override {
        return pseudoText(QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }
};

std::vector<std::unique_ptr<QTranslator>>& installed() {
    static std::vector<std::unique_ptr<QTranslator>> list;
    return list;
}

QString& current() {
    static QString language;
    return language;
}

} // namespace

QStringList shippedLanguages() {
    // Whatever the build carries: one compiled file per language.
    QStringList codes;
    const QString prefix = QStringLiteral("sevenstud_");
    for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList({prefix + "*.qm"}))
        codes << file.mid(prefix.size()).chopped(3);
    return codes;
}

QString chooseLanguage(const QString& chosen, const std::function<QString(const char*)>& env) {
    if (!chosen.isEmpty()) {
        const QString code = chosen == kPseudoLanguage ? chosen : languageOf(chosen);
        return shipped(code) ? code : QString();
    }
    const auto get = env ? env : readEnv;
    for (const QString& entry : get("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QString code = entry == kPseudoLanguage ? entry : languageOf(entry);
        if (shipped(code)) return code;
        // English named before any shipped language wins.
        if (code == QLatin1String("en")) return {};
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString locale = get(name);
        if (locale.isEmpty()) continue;
        const QString code = languageOf(locale);
        return shipped(code) ? code : QString();
    }
    return {};
}

bool speaksLanguage(const QString& chosen) {
    return chosen == kPseudoLanguage || languageOf(chosen) == QLatin1String("en") ||
           shipped(languageOf(chosen));
}

std::unique_ptr<QTranslator> gameTranslator(const QString& language) {
    if (language.isEmpty()) return nullptr;
    if (language == kPseudoLanguage) return std::make_unique<PseudoTranslator>();
    auto t = std::make_unique<QTranslator>();
    if (!t->load(QStringLiteral(":/i18n/sevenstud_%1.qm").arg(language))) return nullptr;
    return t;
}

void installLanguage(const QString& language) {
    for (const auto& t : installed()) QCoreApplication::removeTranslator(t.get());
    installed().clear();
    current() = language;
    if (language.isEmpty()) return;
    if (language != kPseudoLanguage) {
        // Qt's own words (the message boxes' buttons), when installed.
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_") + language,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt.get());
            installed().push_back(std::move(qt));
        }
    }
    if (auto ours = gameTranslator(language)) {
        QCoreApplication::installTranslator(ours.get());
        installed().push_back(std::move(ours));
    }
}

QString currentLanguage() {
    return current();
}

QString pseudoText(const QString& english) {
    QString out;
    int letters = 0;
    for (int i = 0; i < english.size(); ++i) {
        const QChar c = english[i];
        // %1 .. %9 stay as they are: the value goes in there.
        if (c == QLatin1Char('%') && i + 1 < english.size() && english[i + 1].isDigit()) {
            out += c;
            out += english[++i];
            continue;
        }
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
            out += QChar(kAccentedLower[c.unicode() - 'a']);
            ++letters;
        } else if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) {
            out += QChar(kAccentedUpper[c.unicode() - 'A']);
            ++letters;
        } else {
            out += c;
        }
    }
    if (letters == 0) return english;
    // About 40 % longer, as German and French often are.
    const int extra = (letters * 2 + 4) / 5;
    out += QString(extra, QChar(u'·'));
    return out;
}

QString gameText(const std::string& text) {
    return QCoreApplication::translate("Game", text.c_str());
}

QString errorText(const std::exception& e, const char* context) {
    if (const auto* s = dynamic_cast<const StudError*>(&e)) {
        const QString text = QCoreApplication::translate(context, s->text().c_str());
        return text.contains(QLatin1String("%1")) ? text.arg(QString::fromStdString(s->value()))
                                                  : text;
    }
    return QString::fromUtf8(e.what());
}

QString aboutPicture(const QString& language, int scale) {
    const QString suffix = scale == 4   ? QStringLiteral("@4x.jpg")
                           : scale == 2 ? QStringLiteral("@2x.jpg")
                                        : QStringLiteral(".jpg");
    // A language with a picture of its own keeps to it at every size: its
    // smaller one says more to its reader than the English one sharper.
    if (!language.isEmpty() && language != kPseudoLanguage &&
        QFile::exists(QStringLiteral(":/images/about_%1.jpg").arg(language)))
        return QStringLiteral(":/images/about_%1%2").arg(language, suffix);
    return QStringLiteral(":/images/about") + suffix;
}

} // namespace stud
