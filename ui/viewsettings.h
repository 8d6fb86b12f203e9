#pragma once

#include <string>

namespace stud {

// How the player last looked at the table: zoom, full screen and deck. Kept
// in a small file of the game's own beside the settings file, which keeps
// exactly its own keys. The file carries a version; what cannot be read
// (junk, a zoom that is no level, a negative number, text) gives the
// default, and the lines the game does not know stay in the file.
struct ViewSettings {
    int zoom = 100; // one of kZoomLevels
    bool fullScreen = false;
    bool fourColour = false;

    bool operator==(const ViewSettings&) const = default;
};

inline constexpr const char* kViewFileName = "view.ini";

// The view file's place: beside the settings file.
std::string viewFilePath();

ViewSettings readViewSettings(const std::string& path);
// False when the file could not be written; the view still changes, it is
// only not remembered. `why`, when given, is told the reason.
bool writeViewSettings(const std::string& path, const ViewSettings& view,
                       std::string* why = nullptr);

} // namespace stud
