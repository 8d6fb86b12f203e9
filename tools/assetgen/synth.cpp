#include "synth.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace assetgen {

namespace {

using Buffer = std::vector<double>;
constexpr double kPi = 3.14159265358979323846;

// splitmix64: a fixed, portable sequence for every random choice below.
class Noise {
  public:
    explicit Noise(std::uint64_t seed) : state_(seed) {}
    double unit() {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        z ^= z >> 31;
        return static_cast<double>(z >> 11) * (1.0 / 9007199254740992.0);
    }
    double white() { return unit() * 2 - 1; }
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }

  private:
    std::uint64_t state_;
};

int samplesFor(double seconds) {
    return static_cast<int>(std::lround(seconds * kSampleRate));
}

// RBJ biquad; band-pass with constant peak gain, or low-pass.
class Biquad {
  public:
    static Biquad bandPass(double f, double q) {
        const double w = 2 * kPi * f / kSampleRate, alpha = std::sin(w) / (2 * q);
        const double a0 = 1 + alpha;
        return Biquad(alpha / a0, 0, -alpha / a0, -2 * std::cos(w) / a0, (1 - alpha) / a0);
    }
    static Biquad lowPass(double f, double q) {
        const double w = 2 * kPi * f / kSampleRate, alpha = std::sin(w) / (2 * q);
        const double c = std::cos(w), a0 = 1 + alpha;
        return Biquad((1 - c) / 2 / a0, (1 - c) / a0, (1 - c) / 2 / a0, -2 * c / a0,
                      (1 - alpha) / a0);
    }
    double operator()(double x) {
        const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }
    // Keeps the filter's memory but takes new coefficients (swept filters).
    void retune(const Biquad& o) {
        b0_ = o.b0_;
        b1_ = o.b1_;
        b2_ = o.b2_;
        a1_ = o.a1_;
        a2_ = o.a2_;
    }

  private:
    Biquad(double b0, double b1, double b2, double a1, double a2)
        : b0_(b0), b1_(b1), b2_(b2), a1_(a1), a2_(a2) {}
    double b0_, b1_, b2_, a1_, a2_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

void addAt(Buffer& into, const Buffer& what, double atSeconds, double gain) {
    const size_t start = static_cast<size_t>(samplesFor(atSeconds));
    if (into.size() < start + what.size()) into.resize(start + what.size(), 0.0);
    for (size_t i = 0; i < what.size(); ++i) into[start + i] += gain * what[i];
}

// A burst of band-passed noise: near-instant attack, exponential decay.
Buffer flick(Noise& n, double seconds, double centre, double q, double attack, double decay) {
    Buffer b(static_cast<size_t>(samplesFor(seconds)));
    Biquad bp = Biquad::bandPass(centre, q);
    Biquad bp2 = Biquad::bandPass(centre, q);
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double env = std::min(1.0, t / attack) * std::exp(-t / decay);
        b[i] = bp2(bp(n.white())) * env;
    }
    return b;
}

// One chip striking another: a few inharmonic partials with short decays and
// a touch of noise at the strike. `soft` darkens it for the opponent's win.
Buffer clink(Noise& n, double soft) {
    const double f0 = n.range(2300, 2900) * (1 - 0.12 * soft);
    const double ratios[4] = {1.0, 1.47, 2.09, 2.63};
    const double decays[4] = {0.075, 0.055, 0.040, 0.030};
    const double gains[4] = {1.0, 0.7, 0.5, 0.32 * (1 - soft)};
    Buffer b(static_cast<size_t>(samplesFor(0.22)));
    for (int k = 0; k < 4; ++k) {
        const double f = std::min(6900.0, f0 * ratios[k] * n.range(0.985, 1.015));
        const double phase = n.range(0, 2 * kPi);
        for (size_t i = 0; i < b.size(); ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            b[i] += gains[k] * std::sin(2 * kPi * f * t + phase) * std::exp(-t / decays[k]);
        }
    }
    Biquad bp = Biquad::bandPass(5000, 0.8);
    const int strike = samplesFor(0.0015 + 0.002 * soft);
    for (int i = 0; i < strike; ++i) {
        const double t = static_cast<double>(i) / strike;
        b[static_cast<size_t>(i)] += 0.8 * (1 - t) * bp(n.white());
    }
    // A short attack ramp takes the edge off the strike.
    const int ramp = samplesFor(0.0004 + 0.0015 * soft);
    for (int i = 0; i < ramp; ++i) b[static_cast<size_t>(i)] *= static_cast<double>(i) / ramp;
    return b;
}

// Low-passed noise under the rake: the pile sliding over the cloth.
Buffer bed(Noise& n, double seconds, double cutoff) {
    Buffer b(static_cast<size_t>(samplesFor(seconds)));
    Biquad lp = Biquad::lowPass(cutoff, 0.7);
    Biquad lp2 = Biquad::lowPass(cutoff, 0.7);
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate / seconds;
        const double env = std::sin(kPi * std::min(1.0, t)) * (1 - 0.4 * t);
        b[i] = lp2(lp(n.white())) * env;
    }
    return b;
}

Buffer cardFlick() {
    Noise n(0xC0FFEE01);
    Buffer out;
    // The soft tick of the card leaving the deck, then the flick itself.
    addAt(out, flick(n, 0.010, 5200, 1.4, 0.0005, 0.0025), 0.0, 0.35);
    addAt(out, flick(n, 0.055, 3000, 1.1, 0.0006, 0.011), 0.012, 1.0);
    addAt(out, flick(n, 0.030, 900, 0.9, 0.001, 0.006), 0.013, 0.35);
    return out;
}

Buffer cardSlide() {
    Noise n(0xC0FFEE02);
    const double length = 0.21;
    Buffer out(static_cast<size_t>(samplesFor(length)));
    Biquad lp = Biquad::lowPass(6000, 0.7);
    Biquad lp2 = Biquad::lowPass(6000, 0.7);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate / length;
        if (i % 32 == 0) {
            const double f = 6500 * std::pow(1400.0 / 6500.0, t);
            lp.retune(Biquad::lowPass(f, 0.7));
            lp2.retune(Biquad::lowPass(f, 0.7));
        }
        const double swell = std::pow(std::sin(kPi * std::min(1.0, t * 1.05)), 0.8);
        out[i] = lp2(lp(n.white())) * swell;
    }
    addAt(out, flick(n, 0.035, 3200, 1.2, 0.0005, 0.007), length - 0.012, 0.9);
    return out;
}

Buffer chipsTossed() {
    Noise n(0xC0FFEE03);
    Buffer out;
    const double times[4] = {0.0, 0.041, 0.083, 0.131};
    const double gains[4] = {1.0, 0.75, 0.85, 0.55};
    for (int i = 0; i < 4; ++i) addAt(out, clink(n, 0.0), times[i], gains[i]);
    return out;
}

// Clinks spread over `span` seconds, closer together towards the end.
Buffer rake(std::uint64_t seed, int clinks, double span, double soft, double bedGain) {
    Noise n(seed);
    Buffer out = bed(n, span + 0.12, 900 - 300 * soft);
    for (double& v : out) v *= bedGain;
    for (int k = 0; k < clinks; ++k) {
        const double u = static_cast<double>(k) / (clinks - 1);
        const double t = span * std::sqrt(u) + n.range(-0.006, 0.006) * (k > 0);
        addAt(out, clink(n, soft), std::max(0.0, t), n.range(0.45, 1.0) * (1 - 0.25 * soft));
    }
    return out;
}

// Fades in and out (no clicks), normalises the peak to -3 dBFS, converts to
// 16 bits and appends the silent tail.
std::vector<std::int16_t> finish(Buffer b) {
    // Trim the ringing tail once it is far below hearing.
    double peak = 0;
    for (double v : b) peak = std::max(peak, std::abs(v));
    size_t end = b.size();
    while (end > 0 && std::abs(b[end - 1]) < peak * 1e-3) --end;
    b.resize(std::min(b.size(), end + static_cast<size_t>(samplesFor(0.005))));

    const size_t in = static_cast<size_t>(samplesFor(0.002));
    const size_t out = static_cast<size_t>(samplesFor(0.005));
    for (size_t i = 0; i < in && i < b.size(); ++i) b[i] *= static_cast<double>(i) / in;
    for (size_t i = 0; i < out && i < b.size(); ++i)
        b[b.size() - 1 - i] *= static_cast<double>(i) / out;

    peak = 0;
    for (double v : b) peak = std::max(peak, std::abs(v));
    const double target = 32767.0 * std::pow(10.0, -3.0 / 20.0);
    std::vector<std::int16_t> s;
    s.reserve(b.size() + static_cast<size_t>(samplesFor(kTailMs / 1000.0)));
    for (double v : b) s.push_back(static_cast<std::int16_t>(std::lround(v / peak * target)));
    s.resize(s.size() + static_cast<size_t>(samplesFor(kTailMs / 1000.0)), 0);
    return s;
}

void le(std::vector<std::uint8_t>& b, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b.push_back(static_cast<std::uint8_t>((v >> (8 * i)) & 0xff));
}

} // namespace

std::vector<Sound> makeSounds() {
    return {
        {"card1.wav", finish(cardFlick())},
        {"card2.wav", finish(cardSlide())},
        {"chip1.wav", finish(chipsTossed())},
        {"chip3.wav", finish(rake(0xC0FFEE04, 14, 0.50, 0.0, 0.10))},
        {"chip4.wav", finish(rake(0xC0FFEE05, 7, 0.30, 1.0, 0.06))},
    };
}

std::vector<std::uint8_t> wavBytes(const std::vector<std::int16_t>& samples) {
    const std::uint32_t data = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> b;
    b.reserve(44 + data);
    for (char c : std::string("RIFF")) b.push_back(static_cast<std::uint8_t>(c));
    le(b, 36 + data, 4);
    for (char c : std::string("WAVEfmt ")) b.push_back(static_cast<std::uint8_t>(c));
    le(b, 16, 4);
    le(b, 1, 2); // PCM
    le(b, 1, 2); // mono
    le(b, kSampleRate, 4);
    le(b, kSampleRate * 2, 4);
    le(b, 2, 2);
    le(b, 16, 2);
    for (char c : std::string("data")) b.push_back(static_cast<std::uint8_t>(c));
    le(b, data, 4);
    for (std::int16_t s : samples) le(b, static_cast<std::uint16_t>(s), 2);
    return b;
}

bool writeWav(const std::string& path, const std::vector<std::int16_t>& samples) {
    const std::vector<std::uint8_t> bytes = wavBytes(samples);
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(f);
}

} // namespace assetgen
