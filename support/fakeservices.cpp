#include "support/fakeservices.h"

#include <utility>

namespace stud::testing {

void FakeServices::showForm() {
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
    for (const auto& [c, caption] : form) texts[c] = caption;
}

} // namespace stud::testing
