// Any bytes as a settings file: the line reader, the lookups the game makes,
// a write, and the settings reader on top reading a real file.
#include "support/tempdir.h"
#include "table/settings.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

struct Key {
    const char* section;
    const char* key;
};
constexpr Key kKeys[] = {{"Background", "Color"}, {"Cash", "freak"},   {"Cash", "player"},
                         {"Cash", "geek"},        {"Cash", "master"},  {"Cash", "champ"},
                         {"Cash", "until"},       {"Cash", "initial"}, {"Settings", "Sound"},
                         {"Levels", "comp"}};

std::string tempPath() {
    static const stud::testing::TempDir dir("fuzz-ini");
    static const std::string path = dir.file("tarvo.ini");
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    stud::IniLineReader reader(text);
    stud::IniLine line;
    std::size_t consumed = 0;
    while (reader.next(line)) consumed += line.text.size() + line.eol.size();
    if (consumed != size) std::abort(); // every byte belongs to exactly one line

    for (const Key& k : kKeys) {
        if (auto v = stud::findIniValue(text, k.section, k.key)) (void)stud::parseIniInteger(*v);
    }
    (void)stud::parseIniInteger(text.substr(0, 64));

    // A write keeps every other value and reads back as written.
    const std::string written = stud::setIniValue(text, "Cash", "player", "-1234");
    auto back = stud::findIniValue(written, "Cash", "player");
    if (!back || stud::parseIniInteger(*back) != -1234) std::abort();
    if (stud::findIniValue(written, "Levels", "comp") != stud::findIniValue(text, "Levels", "comp"))
        std::abort();

    // The file layer over the same bytes.
    const std::string path = tempPath();
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
        stud::IniFile ini(path);
        for (const Key& k : kKeys) (void)ini.readInteger(k.section, k.key, 1200);
        (void)ini.readBool("Settings", "Sound", true);
        // Writes flush to disk, which is slow: only a few inputs take that path.
        if (size % 16 != 0) return 0;
        try {
            ini.writeInteger("Cash", "geek", 77);
            if (ini.readInteger("Cash", "geek", 0) != 77) std::abort();
        } catch (const stud::SettingsError&) {
            // a file too big or unreadable is refused, never destroyed
        }
    }
    return 0;
}
