#pragma once

#include "table/services.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace stud {

// One value to store: a settings group is a list of these.
struct SettingsValue {
    std::string_view section;
    std::string_view key;
    std::string value;
};

// Where the game keeps what it remembers between runs: the card back, the
// seats' cash, the match limits, the level and the sound switch. Reads never
// fail (a missing value gives the default); a write stores a whole group or
// nothing, so values that belong together (the five seats' cash) can never be
// found half old and half new.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    // The stored text of a value, or nothing when it is missing.
    virtual std::optional<std::string> read(std::string_view section,
                                            std::string_view key) const = 0;
    // Stores every value of the group at once, or none of them: throws
    // SettingsError when the store refuses, and then keeps what it held.
    virtual void write(std::span<const SettingsValue> group) = 0;

    std::string readString(std::string_view section, std::string_view key,
                           const std::string& def) const;
    // Decimal, or hex when longer than two characters and starting "0x"/"0X".
    // Anything else, or a whole number outside 32 bits, gives the default.
    std::int32_t readInteger(std::string_view section, std::string_view key,
                             std::int32_t def) const;
    // Read as an integer with default 1/0; any nonzero value is true.
    bool readBool(std::string_view section, std::string_view key, bool def) const;

    // Groups of one.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, std::int32_t value);
    void writeBool(std::string_view section, std::string_view key, bool value);
};

// The file-backed store: a small initialization file with "[Section]"
// headers and "key=value" lines. Sections and keys match without regard to
// case and the first duplicate wins; lines the game does not know are kept
// byte for byte. Nothing is cached: every read opens the file, every group
// written rewrites it at once, atomically (temporary file + rename), so a
// crash never leaves half a file nor half a group.
//
// Writing a key of a section that is missing appends the section at the end
// of the file (after a blank line); a missing key goes after the last
// non-blank line of its section. New lines end the way the file's first line
// does ("\r\n" or "\n"). A group whose values are all stored already is not
// written again. A symbolic link is followed and the file it names is
// replaced; the old file's permissions are kept, a new file is private to the
// user (0600); a read-only file is not replaced (the write fails).
//
// A write is refused, with SettingsError, when the file cannot be written
// (the old file then stays whole); also for a section or key that could not
// be read back (empty, with a line break, "]" in a section, "=" in a key, a
// key starting "[", ";" or "#", spaces at either end), a value with a line
// break, and an existing file that cannot be read or is larger than
// kMaxIniFileSize (rewriting it would lose what we cannot see).
class IniFile final : public SettingsStore {
  public:
    explicit IniFile(std::string path);

    const std::string& path() const { return path_; }

    std::optional<std::string> read(std::string_view section, std::string_view key) const override;
    void write(std::span<const SettingsValue> group) override;

  private:
    std::string path_;
};

// The in-memory store of tests and the simulator: the same text, the same
// rules, no disk. A refused write names `name`.
class MemorySettings final : public SettingsStore {
  public:
    explicit MemorySettings(std::string text = {}, std::string name = "memory")
        : text_(std::move(text)), name_(std::move(name)) {}

    const std::string& text() const { return text_; }
    std::optional<std::string> read(std::string_view section, std::string_view key) const override;
    void write(std::span<const SettingsValue> group) override;

  private:
    std::string text_;
    std::string name_;
};

// "Unable to write to <file>".
class SettingsError : public StudError {
  public:
    explicit SettingsError(const std::string& file);
};

// Where a bare settings-file name lives: $XDG_CONFIG_HOME/sevenstud/<name>,
// or ~/.config/sevenstud/<name>. The folder is created on first write.
std::string settingsFilePath(std::string_view bareName);

inline constexpr const char* kSettingsFileName = "tarvo.ini";

// ---- the text layer: pure functions over a file's contents ------------------
// No I/O here, so that the parser can be tested and fuzzed on its own.

// Files larger than this are not read (defaults) and not rewritten (error):
// a settings file is a few hundred bytes, anything this big is not ours.
inline constexpr std::size_t kMaxIniFileSize = 16u << 20;

enum class IniLineKind {
    Other,   // blank, comment (";" or "#"), text without "=", anything before
             // the first section header
    Section, // "[name]" with optional blanks around and text after the "]"
    Key,     // "key=value"; the key is not empty
};

// One line, as views into the text it came from.
struct IniLine {
    IniLineKind kind = IniLineKind::Other;
    std::string_view text;  // the line without its end
    std::string_view eol;   // "\n", "\r\n", or empty on a last line without one
    std::string_view name;  // section name (inside the brackets) or key, trimmed
    std::string_view value; // a key line's value, trimmed; starts where the
                            // value text starts in `text`
};

// Walks a file's lines one at a time without copying or allocating, so even
// a file of millions of empty lines costs no memory.
class IniLineReader {
  public:
    explicit IniLineReader(std::string_view text) : rest_(text) {}
    // Fills `line` with the next line; false at the end of the text.
    bool next(IniLine& line);

  private:
    std::string_view rest_;
    bool sectionSeen_ = false;
};

// The value of the first `key` in the first `section`, both matched without
// regard to ASCII case; nothing when either is missing. Keys in a later
// section of the same name are not seen, as the platform's service does it.
std::optional<std::string_view> findIniValue(std::string_view text, std::string_view section,
                                             std::string_view key);

// `text` with the value of the first `key` of the first `section` set to
// `value` (the line keeps its key spelling and the blanks before the value),
// or with the key or the whole section added. Every other byte is kept.
// `section` and `key` must pass isWritableIniEntry, or the result may not
// read back.
std::string setIniValue(std::string_view text, std::string_view section, std::string_view key,
                        std::string_view value);

// Whether section, key and value can be written so that they read back as
// themselves (the value up to blanks at its ends).
bool isWritableIniEntry(std::string_view section, std::string_view key, std::string_view value);

// A stored integer: decimal with an optional "+" or "-", or, when longer
// than two characters and starting "0x"/"0X", hexadecimal of up to 32 bits
// taken as a signed 32-bit pattern (0xFFFFFFFF is -1). Blanks at the ends are
// ignored. Anything else, or a number beyond 32 bits, gives nothing.
std::optional<std::int32_t> parseIniInteger(std::string_view text);

} // namespace stud
