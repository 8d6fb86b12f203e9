#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

constexpr int kSampleRate = 44100;
// The sound service loses the last ~110 ms of a sound, so every effect ends
// in this much digital silence.
constexpr int kTailMs = 200;

struct Sound {
    std::string file; // e.g. "card1.wav"
    std::vector<std::int16_t> samples;
};

// The five effects, synthesised from a fixed seed: card flick, card slide,
// tossed chips, a pile raked in, and the softer rake of an opponent's win.
std::vector<Sound> makeSounds();

// 16-bit PCM mono RIFF/WAVE at kSampleRate.
std::vector<std::uint8_t> wavBytes(const std::vector<std::int16_t>& samples);
bool writeWav(const std::string& path, const std::vector<std::int16_t>& samples);

} // namespace assetgen
