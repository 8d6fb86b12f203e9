#include "ui/commandline.h"

#include <string_view>

namespace stud {

CommandLine parseCommandLine(int argc, const char* const* argv) {
    CommandLine result;
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
        // The first word the game does not know ends the reading; a later
        // --help still wins, as users type it at the end of a failed line.
        if (result.action != CommandLine::Action::Error) {
            const bool option = arg.size() > 1 && arg.front() == '-';
            result.action = CommandLine::Action::Error;
            result.error = std::string("sevenstud: ") +
                           (option ? "unknown option '" : "unexpected argument '") +
                           std::string(arg) +
                           "'\nTry 'sevenstud --help' for the options the game takes.\n";
        }
    }
    return result;
}

std::string helpText(const std::string& settingsFile) {
    return "Usage: sevenstud [OPTION]\n"
           "Seven-card stud poker with fixed limits: you against four computer opponents.\n"
           "\n"
           "Options:\n"
           "  -h, --help     show this help and exit\n"
           "  -V, --version  show the version and exit\n"
           "\n"
           "Without an option the game opens its table window.\n"
           "\n"
           "Settings file: " +
           settingsFile +
           "\n"
           "  (in $XDG_CONFIG_HOME/sevenstud/ when XDG_CONFIG_HOME is set). It keeps each\n"
           "  seat's cash as it stood when \"Deal\" was last pressed, the initial cash, the\n"
           "  target, the card back, the opponents' level and the sound switch.\n"
           "\n"
           "See sevenstud(6) for how to play.\n";
}

std::string versionText(const std::string& version) {
    return "Seven Stud " + version + "\n";
}

} // namespace stud
