#pragma once

#include <string>

namespace stud {

// What the command line asks for. It is read before anything of Qt exists,
// so that --help and --version answer on a machine with no display at all.
struct CommandLine {
    enum class Action {
        Play,    // no arguments: start the game
        Help,    // print helpText() on standard output, exit 0
        Version, // print versionText() on standard output, exit 0
        Error,   // print `error` on standard error, exit kUsageExit
    };
    Action action = Action::Play;
    std::string error;
    std::string language; // --language CODE: "" follows the desktop
    // For standard error, whatever the action: a --language the game does not
    // speak, which it then plays in English.
    std::string warning;
};

// The exit status for a command line the game does not understand, as the
// usual command-line tools use it.
inline constexpr int kUsageExit = 2;

// argv[0] only names the program in messages. The game takes no other
// argument than its three options (and the short forms -h and -V).
// Messages are in `language` ("" English).
CommandLine parseCommandLine(int argc, const char* const* argv, const std::string& language = {});

// The usage text in `language` ("" English), with the settings file as it
// resolves for this user.
std::string helpText(const std::string& settingsFile, const std::string& language = {});

// "Seven Stud 1.0.0".
std::string versionText(const std::string& version);

} // namespace stud
