#include "sounds.h"

#include "paint_kit.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace assetgen {

namespace {

using Samples = std::vector<float>;

int sampleCount(double seconds)
{
    return int(std::lround(seconds * kSampleRate));
}

// Adds `part` into `into` starting at `at` seconds, growing it as needed.
void mixIn(Samples &into, const Samples &part, double at, float gain = 1)
{
    const size_t start = size_t(sampleCount(at));
    if (into.size() < start + part.size())
        into.resize(start + part.size(), 0.f);
    for (size_t i = 0; i < part.size(); ++i)
        into[start + i] += part[i] * gain;
}

// A struck tone: partials at the given ratios, each decaying exponentially.
Samples bell(double frequency, double seconds, double decay, std::initializer_list<std::pair<double, double>> partials)
{
    Samples out(size_t(sampleCount(seconds)));
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kSampleRate;
        const double attack = std::min(1.0, t / 0.004);
        double v = 0;
        for (const auto &[ratio, amplitude] : partials)
            v += amplitude * std::sin(2 * M_PI * frequency * ratio * t) * std::exp(-t * ratio / decay);
        out[i] = float(v * attack);
    }
    return out;
}

Samples chime(double frequency, double seconds, double decay)
{
    return bell(frequency, seconds, decay, {{1.0, 1.0}, {2.0, 0.25}, {3.01, 0.08}});
}

// Filtered noise with a short attack and an exponential tail: the sound of
// card on card. Smaller `brightness` gives a duller sound.
Samples rustle(double seconds, double tail, double brightness, uint32_t seed)
{
    Random random(seed);
    Samples out(size_t(sampleCount(seconds)));
    double low = 0, lower = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kSampleRate;
        low += brightness * (random.range(-1, 1) - low);
        lower += 0.5 * (low - lower);
        const double envelope = std::min(1.0, t / 0.002) * std::exp(-t / tail);
        out[i] = float((low - 0.6 * lower) * envelope * 2.2);
    }
    return out;
}

Samples thump(double frequency, double seconds, double tail)
{
    Samples out(size_t(sampleCount(seconds)));
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kSampleRate;
        out[i] = float(std::sin(2 * M_PI * frequency * t) * std::exp(-t / tail) * std::min(1.0, t / 0.003));
    }
    return out;
}

// A run of card flicks, evenly spread over `seconds`; each flick ends
// before the next starts, so the run also loops without a seam.
Samples riffle(double seconds, int flicks, uint32_t seed)
{
    Samples out(size_t(sampleCount(seconds)), 0.f);
    Random random(seed);
    const double step = seconds / flicks;
    for (int i = 0; i < flicks; ++i) {
        const double jitter = random.range(0, step * 0.25);
        mixIn(out, rustle(step * 0.7, 0.006, random.range(0.35, 0.6), seed + uint32_t(i)), i * step + jitter,
              float(random.range(0.6, 1.0)));
    }
    out.resize(size_t(sampleCount(seconds)));
    return out;
}

Samples glide(double from, double to, double seconds)
{
    Samples out(size_t(sampleCount(seconds)));
    double phase = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / seconds / kSampleRate;
        phase += 2 * M_PI * (from + (to - from) * t) / kSampleRate;
        out[i] = float(std::sin(phase) * std::sin(M_PI * t) * 0.8);
    }
    return out;
}

Samples melody(std::initializer_list<std::pair<double, double>> notes, double length, double decay)
{
    Samples out;
    for (const auto &[at, frequency] : notes)
        mixIn(out, chime(frequency, length - at, decay), at);
    return out;
}

// Brings every sound to the same modest loudness and softens its ends.
Samples finish(Samples s, double peak)
{
    float most = 0;
    for (float v : s)
        most = std::max(most, std::abs(v));
    const float gain = most > 0 ? float(peak) / most : 1.f;
    const size_t fade = std::min(s.size() / 4, size_t(sampleCount(0.008)));
    for (size_t i = 0; i < s.size(); ++i) {
        float edge = 1.f;
        if (i < 16)
            edge = float(i) / 16;
        if (i + fade >= s.size())
            edge = std::min(edge, float(s.size() - i) / float(fade));
        s[i] *= gain * edge;
    }
    return s;
}

// Notes in Hz.
constexpr double C5 = 523.25, E5 = 659.25, G5 = 783.99, C6 = 1046.5, D6 = 1174.66, E6 = 1318.51, G6 = 1567.98;

Samples cardDown()
{
    Samples s = rustle(0.07, 0.012, 0.2, 21);
    mixIn(s, thump(170, 0.07, 0.018), 0, 0.5f);
    return s;
}

Samples tableau()
{
    Samples s = rustle(0.09, 0.016, 0.3, 31);
    mixIn(s, thump(240, 0.08, 0.02), 0, 0.35f);
    return s;
}

Samples twoFlicks(uint32_t seed)
{
    Samples s;
    mixIn(s, rustle(0.05, 0.008, 0.5, seed), 0);
    mixIn(s, rustle(0.06, 0.01, 0.4, seed + 1), 0.06, 0.8f);
    return s;
}

Samples eddy()
{
    Samples s = glide(480, 960, 0.28);
    mixIn(s, rustle(0.2, 0.08, 0.15, 51), 0.02, 0.3f);
    return s;
}

} // namespace

QByteArray wavFile(const std::vector<float> &samples)
{
    QByteArray data(int(samples.size() * 2), '\0');
    for (size_t i = 0; i < samples.size(); ++i) {
        const auto v = qint16(std::lround(std::clamp(samples[i], -1.f, 1.f) * 32767));
        qToLittleEndian(v, data.data() + i * 2);
    }
    QByteArray out;
    auto u32 = [&out](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    auto u16 = [&out](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    out.append("RIFF");
    u32(quint32(36 + data.size()));
    out.append("WAVEfmt ");
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(kSampleRate);
    u32(kSampleRate * 2);
    u16(2);
    u16(16);
    out.append("data");
    u32(quint32(data.size()));
    out.append(data);
    return out;
}

std::vector<SoundFile> makeSounds()
{
    const double quiet = 0.3, softer = 0.22;
    const std::pair<const char *, Samples> sounds[] = {
        {"Splash.wav", finish(melody({{0, C5}, {0.15, E5}, {0.3, G5}, {0.45, C6}, {0.45, E6}}, 1.3, 0.35), quiet)},
        {"New.wav", finish(melody({{0, G5}, {0.1, C6}, {0.2, E6}}, 0.7, 0.2), quiet)},
        {"About.wav", finish(melody({{0, E6}, {0.05, G6}}, 0.45, 0.12), softer)},
        {"Won.wav", finish(melody({{0, C5}, {0.14, E5}, {0.28, G5}, {0.42, C6}, {0.62, G5}, {0.76, C6},
                                   {0.9, E6}, {0.9, C6}, {0.9, G5}},
                                  1.8, 0.4),
                           quiet)},
        {"card_up.wav", finish(rustle(0.045, 0.008, 0.55, 11), softer)},
        {"card_down.wav", finish(cardDown(), softer)},
        {"Face_up.wav", finish(twoFlicks(41), softer)},
        {"Foundation.wav", finish(chime(C6, 0.35, 0.09), softer)},
        {"Autoplay.wav", finish(chime(E6, 0.25, 0.06), 0.18)},
        {"Eddy.wav", finish(eddy(), softer)},
        {"Tableau.wav", finish(tableau(), softer)},
        {"Stock.wav", finish(twoFlicks(61), softer)},
        {"Redeal.wav", finish(riffle(0.48, 8, 71), softer)},
        {"Pairing.wav", finish(melody({{0, G5}, {0.09, D6}}, 0.42, 0.1), softer)},
        {"Shuffle.wav", finish(riffle(0.9, 26, 81), softer)},
    };
    std::vector<SoundFile> files;
    for (const auto &[name, samples] : sounds)
        files.push_back({QString::fromLatin1(name), wavFile(samples)});
    return files;
}

} // namespace assetgen
