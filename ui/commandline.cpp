#include "ui/commandline.h"

#include "ui/language.h"
#include "ui/movekeys.h"

#include <QCoreApplication>
#include <QString>

#include <memory>
#include <string_view>

namespace stud {

namespace {

// The command line's words in one language: a translator of its own, as no
// application (and so no installed translator) exists yet.
class Words {
  public:
    explicit Words(const std::string& language)
        : translator_(gameTranslator(QString::fromStdString(language))) {}
    QString operator()(const char* text, const char* context = "CommandLine") const {
        if (translator_) {
            const QString t = translator_->translate(context, text);
            if (!t.isEmpty()) return t;
        }
        return QString::fromUtf8(text);
    }

  private:
    std::unique_ptr<QTranslator> translator_;
};

} // namespace

CommandLine parseCommandLine(int argc, const char* const* argv, const std::string& language) {
    CommandLine result;
    const auto fail = [&](const QString& message) {
        if (result.action == CommandLine::Action::Error) return;
        const Words tr(language);
        result.action = CommandLine::Action::Error;
        result.error =
            ("sevenstud: " + message + QLatin1Char('\n') +
             tr("Try 'sevenstud --help' for the options the game takes.") + QLatin1Char('\n'))
                .toStdString();
    };
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i] ? argv[i] : "";
        if (arg == "--help" || arg == "-h") {
            result.action = CommandLine::Action::Help;
            return result; // asking for help is never an error
        }
        if (arg == "--version" || arg == "-V") {
            if (result.action == CommandLine::Action::Play)
                result.action = CommandLine::Action::Version;
            continue;
        }
        if (arg == "--language" || arg.rfind("--language=", 0) == 0) {
            std::string_view code;
            if (arg == "--language") {
                if (i + 1 < argc && argv[i + 1]) code = argv[++i];
            } else {
                code = arg.substr(std::string_view("--language=").size());
            }
            if (code.empty())
                fail(Words(language)("option '--language' needs a language code, such as de"));
            else
                result.language = std::string(code);
            continue;
        }
        // The first word the game does not know ends the reading; a later
        // --help still wins, as users type it at the end of a failed line.
        const bool option = arg.size() > 1 && arg.front() == '-';
        const Words tr(language);
        fail((option ? tr("unknown option '%1'") : tr("unexpected argument '%1'"))
                 .arg(QString::fromUtf8(arg.data(), static_cast<qsizetype>(arg.size()))));
    }
    return result;
}

namespace {

// The items joined by ", ", a new line (indented two) before one that would
// run past the terminal's 80 columns.
QString wrapped(const QStringList& items) {
    QString text, line;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QString item = items[i] + (i + 1 < items.size() ? QStringLiteral(",") : QString());
        if (!line.isEmpty() && 2 + line.size() + 1 + item.size() + 1 > 80) {
            text += line + QStringLiteral("\n  ");
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + item;
    }
    return text + line;
}

// The keys, with the moves' letters of the language.
QString keysText(const Words& tr) {
    QStringList moves;
    for (const MoveKey& m :
         moveKeys([&](const char*context, const char*text) { return tr(text, context); }))
        moves << QStringLiteral("%1 %2").arg(m.key.toString(), m.captions.join(QLatin1Char('/')));
    return tr("Keys: F1 shows the rules and hand rankings, Ctrl+? every key of the game,\n"
              "F10 opens the menu, Ctrl+Q quits. The table's buttons have keys of their own:\n"
              "  %1.")
        .arg(wrapped(moves));
}

} // namespace

std::string helpText(const std::string& settingsFile, const std::string& language) {
    const Words tr(language);
    // The options' column: as wide as the longest option, then two spaces.
    const struct {
        const char* option;
        const char* meaning;
    } options[] = {
        {"-h, --help", QT_TRANSLATE_NOOP("CommandLine", "show this help and exit")},
        {"-V, --version", QT_TRANSLATE_NOOP("CommandLine", "show the version and exit")},
        {"    --language CODE",
         QT_TRANSLATE_NOOP("CommandLine", "play in this language: de, es, fr, it, or en")},
    };
    QString text = tr("Usage: sevenstud [OPTION]") + '\n' +
                   tr("Seven-card stud poker with fixed limits: you against four computer "
                      "opponents.") +
                   "\n\n" + tr("Options:") + '\n';
    for (const auto& o : options)
        text += QStringLiteral("  %1  %2\n")
                    .arg(QString::fromLatin1(o.option).leftJustified(19), tr(o.meaning));
    text += '\n' + tr("Without an option the game opens its table window.") + '\n' +
            tr("Without --language it speaks the desktop's language (LANGUAGE, LC_ALL,\n"
               "LC_MESSAGES, LANG), and English where it does not know that language.") +
            "\n\n" + keysText(tr) + "\n\n" +
            tr("Settings file: %1").arg(QString::fromStdString(settingsFile)) + '\n' +
            tr("  (in $XDG_CONFIG_HOME/sevenstud/ when XDG_CONFIG_HOME is set). It keeps each\n"
               "  seat's cash as it stood when \"Deal\" was last pressed, the initial cash, the\n"
               "  target, the card back, the opponents' level and the sound switch.") +
            "\n\n" + tr("See sevenstud(6) for how to play.") + '\n';
    return text.toStdString();
}

std::string versionText(const std::string& version) {
    return "Seven Stud " + version + "\n";
}

} // namespace stud
