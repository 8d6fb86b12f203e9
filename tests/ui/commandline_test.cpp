// The command line, read before Qt starts: which words ask for help or the
// version, what is refused and how, and what the help text promises.

#include "ui/commandline.h"

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include <vector>

using namespace stud;

namespace {

CommandLine parse(std::vector<const char*> args) {
    args.insert(args.begin(), "sevenstud");
    return parseCommandLine(static_cast<int>(args.size()), args.data());
}

} // namespace

TEST(CommandLine, AnswersHelpAndVersionAndPlaysWithoutArguments) {
    EXPECT_EQ(parse({}).action, CommandLine::Action::Play);
    EXPECT_EQ(parse({"--help"}).action, CommandLine::Action::Help);
    EXPECT_EQ(parse({"-h"}).action, CommandLine::Action::Help);
    EXPECT_EQ(parse({"--version"}).action, CommandLine::Action::Version);
    EXPECT_EQ(parse({"-V"}).action, CommandLine::Action::Version);
    // Help wins wherever it stands, even after a mistake.
    EXPECT_EQ(parse({"--version", "--help"}).action, CommandLine::Action::Help);
    EXPECT_EQ(parse({"--bogus", "--help"}).action, CommandLine::Action::Help);
    EXPECT_EQ(versionText("1.0.0"), "Seven Stud 1.0.0\n");
}

TEST(CommandLine, RefusesWhatItDoesNotKnowNamingTheFirstWord) {
    const CommandLine option = parse({"--bogus", "--other"});
    EXPECT_EQ(option.action, CommandLine::Action::Error);
    EXPECT_NE(option.error.find("unknown option '--bogus'"), std::string::npos) << option.error;
    EXPECT_EQ(option.error.find("--other"), std::string::npos);
    EXPECT_NE(option.error.find("sevenstud --help"), std::string::npos);

    const CommandLine word = parse({"cards.ini"});
    EXPECT_EQ(word.action, CommandLine::Action::Error);
    EXPECT_NE(word.error.find("unexpected argument 'cards.ini'"), std::string::npos);

    // Near misses of the real options are not taken for them.
    for (const char* arg : {"-help", "--Version", "-v", "--", "-", ""})
        EXPECT_EQ(parse({arg}).action, CommandLine::Action::Error) << arg;
    // A version request followed by a mistake is still a mistake.
    EXPECT_EQ(parse({"--version", "--bogus"}).action, CommandLine::Action::Error);
    EXPECT_EQ(kUsageExit, 2);
}

TEST(CommandLine, HelpShowsUsageOptionsAndTheSettingsFile) {
    const std::string help = helpText("/home/ann/.config/sevenstud/tarvo.ini");
    EXPECT_EQ(help.rfind("Usage: sevenstud", 0), 0u);
    for (const char* part :
         {"--help", "--version", "/home/ann/.config/sevenstud/tarvo.ini", "XDG_CONFIG_HOME",
          "\"Deal\"", "sevenstud(6)", "F1", "Ctrl+?", "C Call/Check", "O Options"})
        EXPECT_NE(help.find(part), std::string::npos) << part;
    EXPECT_EQ(help.back(), '\n');
}

// The keys in the help are the language's own, and their paragraph runs
// past no terminal's 80 columns in any language.
TEST(CommandLine, HelpNamesEachLanguagesKeysWithinEightyColumns) {
    EXPECT_NE(helpText("/tarvo.ini", "de").find("M Mitgehen/Checken"), std::string::npos);
    EXPECT_NE(helpText("/tarvo.ini", "fr").find("J Rejouer"), std::string::npos);
    for (const char* language : {"", "de", "es", "fr", "it"}) {
        const QStringList paragraphs =
            QString::fromStdString(helpText("/tarvo.ini", language)).split("\n\n");
        const QStringList keys = paragraphs.filter("F10");
        ASSERT_EQ(keys.size(), 1) << language;
        for (const QString& line : keys[0].split('\n'))
            EXPECT_LE(line.size(), 80) << language << ": " << line.toStdString();
    }
}
