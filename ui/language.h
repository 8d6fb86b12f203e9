#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

#include <exception>
#include <functional>
#include <memory>
#include <string>

namespace stud {

// The languages the game speaks besides English, each one translation file
// i18n/sevenstud_<code>.ts (and one About picture).
QStringList shippedLanguages();

// The test pseudo-language: every text about 40 % longer, every letter
// accented, so that a text that escaped translation or does not fit shows.
inline const QString kPseudoLanguage = QStringLiteral("pseudo");

// The language to speak: `chosen` (from --language) when given, else the
// first shipped language in LANGUAGE (a colon-separated list, "en" in it
// meaning English), else that of the first of LC_ALL, LC_MESSAGES and LANG
// that is set ("de" for "de_AT.UTF-8"). "" stands for English, which is also
// what any language we do not ship falls back to. `env` reads the
// environment (tests give their own).
QString chooseLanguage(const QString& chosen,
                       const std::function<QString(const char*)>& env = nullptr);

// Whether `chosen` (as --language gives it, "de" or "de_AT.UTF-8") names
// English or a language the game speaks.
bool speaksLanguage(const QString& chosen);

// Our texts in `language`, or nullptr for English.
std::unique_ptr<QTranslator> gameTranslator(const QString& language);

// Installs the game's texts and, when they are installed on this machine,
// Qt's own (the message boxes' "Yes", "No", "OK") for `language` into the
// running application. English installs nothing.
void installLanguage(const QString& language);

// The language installLanguage() was last given ("" for English).
QString currentLanguage();

// What the pseudo-language makes of an English text: placeholders (%1) kept.
QString pseudoText(const QString& english);

// One of the game's own texts (a caption, a status, a hand's name, a
// message) as the window shows it: translated, or as it is (English,
// numbers).
QString gameText(const std::string& text);

// An error's message in the player's language; the game's errors are
// translated in `context`.
QString errorText(const std::exception& e, const char* context = "Game");

// The About picture in the player's language at `scale` (1, 2 or 4), a
// resource path; the language's own one, if it has one, even where that is
// missing at this scale (the caller then takes a smaller one).
QString aboutPicture(const QString& language, int scale);

} // namespace stud
