#include "support/tempdir.h"
#include "table/settings.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <tuple>
#include <vector>

#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace stud;
using stud::testing::TempDir;
namespace fs = std::filesystem;

namespace {

// Every test works in a fresh folder of its own, never in the user's config.
class Settings : public ::testing::Test {
  protected:
    void put(const std::string& text) const { std::ofstream(file, std::ios::binary) << text; }
    std::string contents() const {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    int player() const { return IniFile(file).readInteger("Cash", "player", 1200); }
    // Nothing but the settings file itself: no temporary file left behind.
    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
    }
    void expectRefused(IniFile& ini) const {
        try {
            ini.writeInteger("Cash", "player", 77);
            FAIL() << "write succeeded";
        } catch (const SettingsError& e) {
            EXPECT_EQ(std::string(e.what()), "Unable to write to " + ini.path());
        }
    }

    TempDir tmp{"studsettings"};
    const fs::path& dir = tmp.path();
    std::string file = tmp.file("tarvo.ini");
};

} // namespace

TEST_F(Settings, FirstStartReadsDefaultsAndCreatesExactlyTheWrittenSections) {
    IniFile ini((dir / "a" / "b" / "tarvo.ini").string());
    EXPECT_EQ(ini.readInteger("Background", "Color", 52), 52);
    EXPECT_EQ(ini.readInteger("Cash", "until", 1000), 1000);
    EXPECT_TRUE(ini.readBool("Settings", "Sound", true));
    EXPECT_EQ(ini.readString("Levels", "comp", "x"), "x");

    ini.writeInteger("Background", "Color", 52);
    for (const char* key : {"freak", "player", "geek", "master", "champ", "initial"})
        ini.writeInteger("Cash", key, 1200);
    ini.writeInteger("Cash", "until", 1000);
    file = ini.path();
    EXPECT_EQ(contents(), "[Background]\nColor=52\n\n[Cash]\nfreak=1200\nplayer=1200\ngeek=1200\n"
                          "master=1200\nchamp=1200\ninitial=1200\nuntil=1000\n");
    EXPECT_EQ(fs::status(dir / "a").permissions(), fs::perms::owner_all);
    EXPECT_EQ(fs::status(ini.path()).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(Settings, ValueEncoding) {
    put("[Settings]\nSound=0\n[Cash]\nplayer=0x10\n");
    IniFile ini(file);
    EXPECT_FALSE(ini.readBool("Settings", "Sound", true));
    EXPECT_EQ(player(), 16);
    for (const char* on : {"5", "yes", "-1", ""}) {
        ini.writeString("Settings", "Sound", on);
        EXPECT_TRUE(ini.readBool("Settings", "Sound", true)) << on;
    }
    ini.writeBool("Settings", "Sound", false);
    EXPECT_EQ(ini.readString("Settings", "Sound", ""), "0");

    const std::pair<const char*, int> cases[] = {{"abc", 1200},
                                                 {"0X1f", 31},
                                                 {"0x", 1200},
                                                 {"0", 0},
                                                 {"-0x10", 1200},
                                                 {"+0x10", 1200},
                                                 {"+7", 7},
                                                 {"-4", -4},
                                                 {"007", 7},
                                                 {"12abc", 1200},
                                                 {"1 200", 1200},
                                                 {"0x1g", 1200},
                                                 {"2147483647", 2147483647},
                                                 {"2147483648", 1200},
                                                 {"-2147483648", INT32_MIN},
                                                 {"-2147483649", 1200},
                                                 {"99999999999999999999999999", 1200},
                                                 {"0xFFFFFFFF", -1},
                                                 {"0x80000000", INT32_MIN},
                                                 {"0x7fffffff", INT32_MAX},
                                                 {"0x100000000", 1200},
                                                 {"0x000000000010", 16},
                                                 {"0xFFFFFFFFFFFFFFFFFFFF", 1200},
                                                 {"--1", 1200},
                                                 {"+", 1200}};
    for (const auto& [text, want] : cases) {
        ini.writeString("Cash", "player", text);
        EXPECT_EQ(player(), want) << text;
    }
    ini.writeInteger("Cash", "player", -4);
    EXPECT_EQ(ini.readString("Cash", "player", ""), "-4");
    ini.writeInteger("Cash", "player", INT32_MIN);
    EXPECT_EQ(player(), INT32_MIN);
}

TEST_F(Settings, MatchingIgnoresCaseAndTheFirstDuplicateWins) {
    put("[cash]\nPLAYER=5\nplayer=6\n\n[CASH]\nplayer=7\ngeek=8\n");
    IniFile ini(file);
    EXPECT_EQ(player(), 5);
    EXPECT_EQ(ini.readInteger("Cash", "geek", 1200), 1200); // the later section is not seen
    ini.writeInteger("Cash", "player", 9);
    ini.writeInteger("Cash", "geek", 10);
    EXPECT_EQ(contents(), "[cash]\nPLAYER=9\nplayer=6\ngeek=10\n\n[CASH]\nplayer=7\ngeek=8\n");
}

TEST_F(Settings, BlanksAroundTheEqualsSignAreTrimmedAndKept) {
    put("[ Cash ]\n  player \t=  77  \nuntil=\n");
    IniFile ini(file);
    EXPECT_EQ(player(), 77);
    EXPECT_EQ(ini.readString("Cash", "until", "d"), "");
    EXPECT_EQ(ini.readInteger("Cash", "until", 1000), 1000);
    ini.writeInteger("Cash", "player", 5);
    ini.writeInteger("Cash", "until", 6);
    EXPECT_EQ(contents(), "[ Cash ]\n  player \t=  5\nuntil=6\n");
}

TEST_F(Settings, UnknownLinesAndSectionsAreKeptByteForByte) {
    const std::string head = "stray=1\n; comment\n[Cash]\n# note\nplayer=1\nnonsense line\n"
                             "[broken\n=orphan\nwin\xff\xfe=\x01\x02\n";
    const std::string tail = "\n[Other]\nplayer=3\n\t x = y \n";
    put(head + std::string("nul\0byte=1\n", 11) + tail);
    IniFile ini(file);
    ini.writeInteger("Cash", "player", 2);
    ini.writeInteger("Cash", "geek", 4);
    ini.writeInteger("Levels", "comp", 600);
    std::string want =
        head + std::string("nul\0byte=1\n", 11) + "geek=4\n" + tail + "\n[Levels]\ncomp=600\n";
    want.replace(want.find("player=1"), 8, "player=2");
    EXPECT_EQ(contents(), want);
    EXPECT_EQ(ini.readInteger("Other", "PLAYER", 0), 3);
    EXPECT_EQ(ini.readInteger("Cash", "stray", 0), 0); // before any section: never a key
}

TEST_F(Settings, LineEndsAndAMissingFinalNewline) {
    put("[Cash]\r\nplayer=5\r\n\r\n[Levels]\r\ncomp=900");
    IniFile ini(file);
    EXPECT_EQ(player(), 5);
    EXPECT_EQ(ini.readInteger("Levels", "comp", 200), 900);
    ini.writeInteger("Cash", "geek", 1);
    ini.writeInteger("Levels", "comp", 400);
    ini.writeInteger("Levels", "x", 2);
    ini.writeInteger("Settings", "Sound", 0);
    EXPECT_EQ(contents(), "[Cash]\r\nplayer=5\r\ngeek=1\r\n\r\n[Levels]\r\ncomp=400\r\nx=2\r\n"
                          "\r\n[Settings]\r\nSound=0\r\n");
    put("[Cash]");
    ini.writeInteger("Cash", "player", 3);
    EXPECT_EQ(contents(), "[Cash]\nplayer=3\n");
}

TEST_F(Settings, BinaryJunkAndHugeLinesNeverBreakReadingOrWriting) {
    std::mt19937 gen(7);
    std::string junk(64 * 1024, '\0');
    for (char& c : junk) c = static_cast<char>(gen());
    put(junk);
    IniFile ini(file);
    (void)ini.readInteger("Cash", "player", 1200);
    ini.writeInteger("Cash", "player", 42);
    EXPECT_EQ(player(), 42);
    EXPECT_EQ(contents().substr(0, junk.size()), junk);

    const std::string mb(1 << 20, '7');
    put("[Cash]\n" + mb + "\nplayer=" + mb + "\ngeek=" + mb + "x\n[" + mb);
    EXPECT_EQ(player(), 1200);
    EXPECT_EQ(ini.readString("Cash", "geek", "").size(), mb.size() + 1);
    ini.writeInteger("Cash", "player", 8);
    EXPECT_EQ(contents(), "[Cash]\n" + mb + "\nplayer=8\ngeek=" + mb + "x\n[" + mb);
}

TEST_F(Settings, ADirectoryOrAFileInThePathRefusesWritesAndReadsDefaults) {
    fs::create_directory(file);
    IniFile ini(file);
    EXPECT_EQ(ini.readInteger("Cash", "player", 1200), 1200);
    expectRefused(ini);
    EXPECT_TRUE(fs::is_directory(file));

    std::ofstream(dir / "plain") << "x"; // a regular file where a folder should be
    IniFile below((dir / "plain" / "tarvo.ini").string());
    EXPECT_EQ(below.readInteger("Cash", "player", 3), 3);
    expectRefused(below);
}

TEST_F(Settings, AFailedWriteLeavesTheOldFileWholeAndNoTemporaryFile) {
    const std::string old = "[Cash]\nplayer=5\n";
    put(old);
    IniFile ini(file);
    // Files may not grow beyond 20 bytes: the rewrite fails half-way, as on a
    // full disk. This works for root too.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 20;
    ::setrlimit(RLIMIT_FSIZE, &small);
    bool refused = false;
    try {
        ini.writeString("Cash", "player", std::string(100, '9'));
    } catch (const SettingsError&) {
        refused = true;
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_TRUE(refused);
    EXPECT_EQ(contents(), old);
    EXPECT_EQ(entries(), 1u);

    // Entries that could not be read back are refused the same way.
    for (const auto& [s, k, v] : {std::tuple{"Cash", "a\nb", "1"},
                                  {"Cash", "a=b", "1"},
                                  {"Cash", " player", "1"},
                                  {"Ca]sh", "a", "1"},
                                  {"", "a", "1"},
                                  {"Cash", "player", "1\r\n[Hack]"},
                                  {"Cash", ";a", "1"}})
        EXPECT_THROW(ini.writeString(s, k, v), SettingsError) << k;
    EXPECT_EQ(contents(), old);
}

// A write killed before its rename leaves ".tarvo.ini.XXXXXX" behind; the next
// write removes such leftovers once they are an hour old, and nothing else:
// not a fresh one (a write of another instance may be under way), not a
// folder, not a name of another pattern.
TEST_F(Settings, AWriteRemovesOnlyOurOwnStaleTemporaries) {
    put("[Cash]\nplayer=5\n");
    const auto make = [&](const std::string& name, bool old) {
        std::ofstream(dir / name) << "half a write";
        if (old) {
            const auto age = fs::file_time_type::clock::now() - std::chrono::hours(2);
            fs::last_write_time(dir / name, age);
        }
    };
    make(".tarvo.ini.Ab3xYz", true);
    make(".tarvo.ini.fresh1", false);
    make(".tarvo.ini.toolong1", true);
    make(".other.ini.Ab3xYz", true);
    make("tarvo.ini.Ab3xYz", true);
    fs::create_directory(dir / ".tarvo.ini.dir123");
    fs::last_write_time(dir / ".tarvo.ini.dir123",
                        fs::file_time_type::clock::now() - std::chrono::hours(2));

    IniFile(file).writeInteger("Cash", "player", 7);
    EXPECT_EQ(player(), 7);
    EXPECT_FALSE(fs::exists(dir / ".tarvo.ini.Ab3xYz"));
    for (const char* kept : {".tarvo.ini.fresh1", ".tarvo.ini.toolong1", ".other.ini.Ab3xYz",
                             "tarvo.ini.Ab3xYz", ".tarvo.ini.dir123"})
        EXPECT_TRUE(fs::exists(dir / kept)) << kept;
}

TEST_F(Settings, ReadOnlyFolderOrFileRefusesTheWrite) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
    put("[Cash]\nplayer=5\n");
    IniFile ini(file);
    fs::permissions(file, fs::perms::owner_read);
    expectRefused(ini);
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    expectRefused(ini);
    fs::permissions(dir, fs::perms::owner_all);
    EXPECT_EQ(contents(), "[Cash]\nplayer=5\n");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(Settings, FileWithoutWriteBitsIsRefusedEvenToTheSuperUser) {
    // The super-user gets past any permission check, but a file that nobody
    // may write was made read-only on purpose.
    put("[Cash]\nplayer=5\n");
    IniFile ini(file);
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
    expectRefused(ini);
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(contents(), "[Cash]\nplayer=5\n");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(Settings, OddThingsAtThePath) {
    // A pipe must not block the reader, nor be written through.
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    IniFile ini(file);
    EXPECT_EQ(player(), 1200);
    expectRefused(ini);
    fs::remove(file);

    // Too big to be ours: not read, not rewritten.
    put("[Cash]\nplayer=5\n");
    fs::resize_file(file, kMaxIniFileSize + 1);
    EXPECT_EQ(player(), 1200);
    expectRefused(ini);
    EXPECT_EQ(fs::file_size(file), kMaxIniFileSize + 1);

    // A link is written through; the target keeps its permissions; an
    // unchanged value does not replace the file.
    fs::remove(file);
    std::ofstream(dir / "real.ini") << "[Cash]\nplayer=5\n";
    fs::permissions(dir / "real.ini",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real.ini", file);
    ini.writeInteger("Cash", "player", 6);
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(contents(), "[Cash]\nplayer=6\n");
    EXPECT_EQ(fs::status(file).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    struct stat before {
    }, after{};
    ::stat(file.c_str(), &before);
    ini.writeInteger("Cash", "player", 6);
    ::stat(file.c_str(), &after);
    EXPECT_EQ(before.st_ino, after.st_ino);
}

TEST(SettingsPath, FollowsXdgThenHome) {
    const auto keep = [](const char* name) {
        const char* v = std::getenv(name);
        return v ? std::optional<std::string>(v) : std::nullopt;
    };
    const auto xdg = keep("XDG_CONFIG_HOME"), home = keep("HOME");
    ::setenv("XDG_CONFIG_HOME", "/tmp/x/", 1);
    ::setenv("HOME", "/home/h", 1);
    EXPECT_EQ(settingsFilePath("tarvo.ini"), "/tmp/x/sevenstud/tarvo.ini");
    ::setenv("XDG_CONFIG_HOME", "relative", 1);
    EXPECT_EQ(settingsFilePath("tarvo.ini"), "/home/h/.config/sevenstud/tarvo.ini");
    ::unsetenv("XDG_CONFIG_HOME");
    ::unsetenv("HOME");
    const passwd* pw = ::getpwuid(::getuid());
    const std::string pwHome = pw ? pw->pw_dir : "";
    EXPECT_EQ(settingsFilePath("tarvo.ini"),
              pw ? (pwHome == "/" ? "" : pwHome) + "/.config/sevenstud/tarvo.ini" : "tarvo.ini");
    xdg ? ::setenv("XDG_CONFIG_HOME", xdg->c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
    home ? ::setenv("HOME", home->c_str(), 1) : ::unsetenv("HOME");
}

// Whatever text a hand edit leaves, a write reads back as written and leaves
// every other value as it was.
TEST(IniText, WritesReadBackAndDisturbNothingElse) {
    const char* pieces[] = {"[Cash]", "[cash]", "[Levels]", "[",  "]",   "player",   "PLAYER",
                            "geek",   "=",      " = ",      "5",  "0x1", ";",        "\n",
                            "\r\n",   "\r",     " ",        "\t", "\0",  "[Cash] x", "comp"};
    const char* keys[] = {"player", "geek", "comp", "x"};
    const char* sections[] = {"Cash", "Levels", "Other"};
    std::mt19937 gen(1);
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        for (int n = gen() % 30; n > 0; --n) {
            const char* p = pieces[gen() % std::size(pieces)];
            text.append(p, *p ? std::strlen(p) : 1);
        }
        const std::string section = sections[gen() % 3], key = keys[gen() % 4];
        const std::string out = setIniValue(text, section, key, "v1");
        ASSERT_EQ(findIniValue(out, section, key), "v1") << text;
        for (const char* s : sections) {
            for (const char* k : keys) {
                if (s == section && k == key) continue;
                ASSERT_EQ(findIniValue(out, s, k), findIniValue(text, s, k)) << text;
            }
        }
    }
}

TEST(IniText, EveryAsciiLetterFoldsAndNothingElseDoes) {
    for (char c = 'A'; c <= 'Z'; ++c) {
        const std::string upper(1, c), lower(1, static_cast<char>(c - 'A' + 'a'));
        const std::string text = "[s" + lower + "]\nk" + lower + "=1\n";
        EXPECT_EQ(findIniValue(text, "S" + upper, "K" + upper), "1") << c;
        EXPECT_EQ(setIniValue(text, "s" + upper, "k" + upper, "2"),
                  "[s" + lower + "]\nk" + lower + "=2\n")
            << c;
    }
    // Pairs one case bit apart that are no letters, and letters beyond ASCII.
    for (const auto& [stored, asked] :
         {std::pair{"@", "`"}, {"[", "{"}, {"^", "~"}, {"\xC4", "\xE4"}})
        EXPECT_FALSE(
            findIniValue(std::string("[s]\nk") + stored + "=1\n", "s", std::string("k") + asked))
            << stored;
}

TEST(IniFile, AGroupIsAllOrNothing) {
    TempDir dir("studgroups");
    IniFile ini(dir.file("tarvo.ini"));
    std::ofstream(ini.path(), std::ios::binary) << "; kept\r\n[CASH]\r\nFreak=1\r\nfreak=2\r\n";
    const std::vector<SettingsValue> good{
        {"Cash", "freak", "7"}, {"Cash", "player", "8"}, {"Levels", "comp", "400"}};
    ini.write(good);
    std::ifstream in(ini.path(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    // The first of the duplicates changes, case and line ends stay the file's.
    EXPECT_EQ(text.str(), "; kept\r\n[CASH]\r\nFreak=7\r\nfreak=2\r\nplayer=8\r\n\r\n"
                          "[Levels]\r\ncomp=400\r\n");

    // One value that could not be read back spoils the whole group.
    const std::vector<SettingsValue> bad{{"Cash", "freak", "9"}, {"Cash", "a=b", "1"}};
    EXPECT_THROW(ini.write(bad), SettingsError);
    EXPECT_EQ(ini.readInteger("Cash", "freak", 0), 7);
    MemorySettings mem(text.str());
    EXPECT_THROW(mem.write(bad), SettingsError);
    EXPECT_EQ(mem.text(), text.str());
}
