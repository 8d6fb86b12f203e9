#include "ui/viewsettings.h"

#include "table/settings.h"
#include "ui/zoom.h"

namespace stud {

namespace {

constexpr const char* kSection = "View";
constexpr int kVersion = 1;

} // namespace

std::string viewFilePath() {
    return settingsFilePath(kViewFileName);
}

ViewSettings readViewSettings(const std::string& path) {
    const IniFile file(path);
    ViewSettings v;
    // A file of another version is read as none: its meaning is unknown.
    if (file.readInteger(kSection, "version", kVersion) != kVersion) return v;
    const int zoom = file.readInteger(kSection, "zoom", kNormalZoom);
    v.zoom = isZoomLevel(zoom) ? zoom : kNormalZoom;
    v.fullScreen = file.readInteger(kSection, "fullscreen", 0) == 1;
    v.fourColour = file.readInteger(kSection, "fourcolour", 0) == 1;
    return v;
}

bool writeViewSettings(const std::string& path, const ViewSettings& view, std::string* why) {
    IniFile file(path);
    const SettingsValue group[] = {
        {kSection, "version", std::to_string(kVersion)},
        {kSection, "zoom", std::to_string(view.zoom)},
        {kSection, "fullscreen", view.fullScreen ? "1" : "0"},
        {kSection, "fourcolour", view.fourColour ? "1" : "0"},
    };
    try {
        file.write(group);
        return true;
    } catch (const SettingsError& e) {
        if (why) *why = e.what();
        return false;
    }
}

} // namespace stud
