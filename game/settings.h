#pragma once

#include "game/services.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace stud {

// A small initialization file: "[Section]" headers and "key=value" lines.
// Sections and keys match without regard to case and the first duplicate
// wins; lines the game does not know are kept byte for byte. Nothing is
// cached: every read opens the file, every write rewrites it at once,
// atomically (temporary file + rename), so a crash never leaves half a file.
class IniFile {
  public:
    explicit IniFile(std::string path);

    const std::string& path() const { return path_; }

    // Missing file, section or key gives the default; reading never fails.
    std::string readString(std::string_view section, std::string_view key,
                           const std::string& def) const;
    // Decimal, or hex when longer than two characters and starting "0x"/"0X".
    // Anything else, or a whole number outside 32 bits, gives the default.
    std::int32_t readInteger(std::string_view section, std::string_view key,
                             std::int32_t def) const;
    // Read as an integer with default 1/0; any nonzero value is true.
    bool readBool(std::string_view section, std::string_view key, bool def) const;

    // Throws SettingsError when the file cannot be written; the old file then
    // stays whole.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, std::int32_t value);
    void writeBool(std::string_view section, std::string_view key, bool value);

  private:
    std::string path_;
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

} // namespace stud
