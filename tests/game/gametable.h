#pragma once

// A whole table for the game's scenario tests: the recording fake of the
// window, a settings file in a private temporary folder (never the user's),
// and a generator the test can swap at any moment.

#include "cards/random.h"
#include "game/game.h"
#include "support/fakeservices.h"
#include "support/gamesteps.h"
#include "support/scriptedrandom.h"
#include "support/tempdir.h"
#include "table/seattable.h"
#include "table/settings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace stud::testing {

// Forwards every draw to whichever generator the test plugs in.
class SwitchRandom final : public Random {
  public:
    explicit SwitchRandom(Random& source) : src(&source) {}
    std::uint32_t next() override { return src->next(); }
    void fill(std::uint32_t* out, std::size_t n) override { src->fill(out, n); }
    void seed(std::uint64_t v) override {
        ++seeds;
        src->seed(v);
    }
    Random* src;
    int seeds = 0;
};

class GameTable : public ::testing::Test {
  protected:
    TempDir dir;
    FakeServices ui;
    IniFile ini{(dir.path() / "tarvo.ini").string()};
    ConstantRandom zero{0};
    SwitchRandom rng{zero};
    Game game{ui, rng, ini};
    GameSteps steps{game};
    TableState& t = steps.table();

    void writeSettings(const std::string& text) {
        std::ofstream(ini.path(), std::ios::binary) << text;
    }
    std::string settingsText() const {
        std::ifstream in(ini.path(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void use(Random& r) { rng.src = &r; }

    // Buttons as a string "DCRF" with '-' for a disabled one.
    std::string enabledButtons() const { return ui.enabledButtons(); }
};

} // namespace stud::testing
