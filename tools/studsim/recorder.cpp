#include "recorder.h"

namespace studsim {

using stud::Control;

RecordingServices::RecordingServices(std::uint64_t clockStart) : clock_(clockStart) {
    // The captions the window's form gives its controls before the game runs.
    const std::pair<Control, const char*> form[] = {
        {Control::Label2, "You:"},      {Control::freakcash, "Peter:"},
        {Control::geekcash, "Anna:"},   {Control::mastercash, "George:"},
        {Control::champcash, "Maria:"}, {Control::btnnew, "Deal"},
        {Control::btnstay, "Check"},    {Control::btnbet, "Raise"},
        {Control::btnpass, "Fold"},     {Control::NewGame1, "New Game"},
        {Control::Options1, "Options"}, {Control::About1, "About"},
        {Control::enter, "Enter"},      {Control::unenter, "Enter"},
        {Control::SoundOff1, "On"},     {Control::Close, "Ok"},
    };
    for (const auto& [c, caption] : form) controls_[index(c)].text = caption;
    timers_[static_cast<int>(stud::Timer::randomwink)].interval = 300;
    timers_[static_cast<int>(stud::Timer::winkanim)].interval = 150;
    timers_[static_cast<int>(stud::Timer::wintimer)].interval = 150;
}

void RecordingServices::setText(Control c, const std::string& text) {
    controls_[index(c)].text = text;
}
std::string RecordingServices::text(Control c) const {
    return controls_[index(c)].text;
}
void RecordingServices::setTextColor(Control label, stud::TextColor color) {
    controls_[index(label)].color = color;
}
void RecordingServices::setEnabled(Control c, bool on) {
    controls_[index(c)].enabled = on;
}
bool RecordingServices::isEnabled(Control c) const {
    return controls_[index(c)].enabled;
}
void RecordingServices::setVisible(Control c, bool on) {
    controls_[index(c)].visible = on;
}
bool RecordingServices::isVisible(Control c) const {
    return controls_[index(c)].visible;
}
void RecordingServices::selectItem(Control group, int item) {
    controls_[index(group)].item = item;
}
int RecordingServices::selectedItem(Control group) const {
    return controls_[index(group)].item;
}
void RecordingServices::setPosition(Control updown, int position) {
    controls_[index(updown)].position = position;
}
int RecordingServices::position(Control updown) const {
    return controls_[index(updown)].position;
}

stud::Answer RecordingServices::messageBox(const std::string& text, const std::string& caption,
                                           stud::Buttons buttons) {
    boxes.push_back({text, caption});
    return buttons == stud::Buttons::YesNo ? stud::Answer::Yes : stud::Answer::Ok;
}
void RecordingServices::showMessage(const std::string& text) {
    boxes.push_back({text, ""});
}

void RecordingServices::setTimerEnabled(stud::Timer t, bool on) {
    TimerState& s = timers_[static_cast<int>(t)];
    if (on && !s.enabled) s.due = now + s.interval;
    s.enabled = on;
}
bool RecordingServices::isTimerEnabled(stud::Timer t) const {
    return timers_[static_cast<int>(t)].enabled;
}
void RecordingServices::setTimerInterval(stud::Timer t, int ms) {
    TimerState& s = timers_[static_cast<int>(t)];
    s.interval = ms;
    s.due = now + ms; // a new interval restarts the count
}
int RecordingServices::timerInterval(stud::Timer t) const {
    return timers_[static_cast<int>(t)].interval;
}
void RecordingServices::ticked(stud::Timer t) {
    TimerState& s = timers_[static_cast<int>(t)];
    s.due = now + (s.interval > 0 ? s.interval : 1);
}

bool RecordingServices::selectBrush(const std::string&) {
    return true;
}
void RecordingServices::fillRect(int, int, int, int) {
    ++fills;
}
void RecordingServices::drawImage(stud::ImageSet, int, int, int) {
    ++images;
}
void RecordingServices::setPixel(int, int, std::uint32_t) {
    ++pixels;
}
void RecordingServices::repaintWindow() {}
void RecordingServices::repaintControl(Control) {}

void RecordingServices::playSound(const std::string& file) {
    sounds.push_back(file);
}
void RecordingServices::beep() {
    ++beeps;
}

// A clock that moves on by a second at every look, so reseeding gives a new
// but reproducible sequence.
std::uint64_t RecordingServices::currentTime() {
    clock_ += 1000;
    return clock_;
}

void RecordingServices::clearEvent() {
    sounds.clear();
    boxes.clear();
}

} // namespace studsim
