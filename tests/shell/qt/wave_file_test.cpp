#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>

#include "shell/sound_device_pulse.h"

using namespace vantrel;

namespace {

std::string le(uint32_t v, int bytes) {
    std::string s;
    for (int i = 0; i < bytes; ++i) s += static_cast<char>(v >> (8 * i) & 0xFF);
    return s;
}

std::string chunk(const std::string& id, const std::string& body) {
    return id + le(static_cast<uint32_t>(body.size()), 4) + body + (body.size() % 2 ? std::string(1, '\0') : "");
}

std::string fmt(int tag, int channels, uint32_t rate, int bits) {
    const int block = channels * bits / 8;
    return chunk("fmt ", le(tag, 2) + le(channels, 2) + le(rate, 4) + le(rate * block, 4) + le(block, 2) + le(bits, 2));
}

std::string riff(const std::string& chunks) { return "RIFF" + le(static_cast<uint32_t>(4 + chunks.size()), 4) + "WAVE" + chunks; }

}  // namespace

TEST(WaveFile, LayoutAndSamplesOrNothing) {
    const std::string samples(44100, '\x01');
    struct Case {
        const char* what;
        std::string bytes;
        bool read;
        int bits, channels;
        bool floating;
    } cases[] = {
        {"odd-sized chunk before the format is skipped with its pad byte",
         riff(chunk("LIST", "abc") + fmt(1, 1, 22050, 16) + chunk("data", samples)), true, 16, 1, false},
        {"float samples", riff(fmt(3, 2, 22050, 32) + chunk("data", samples)), true, 32, 2, true},
        {"not a wave file", "RIFX" + std::string(40, '\0'), false, 0, 0, false},
        {"samples before the format", riff(chunk("data", samples) + fmt(1, 1, 22050, 16)), false, 0, 0, false},
        {"compressed samples", riff(fmt(2, 1, 22050, 4) + chunk("data", samples)), false, 0, 0, false},
        {"a damaged size claiming 4 GiB gives the samples the file holds",
         riff(fmt(1, 1, 22050, 16) + "data" + le(0xFFFFFFFF, 4) + samples), true, 16, 1, false},
        {"more channels than the sound server mixes", riff(fmt(1, 40, 22050, 16) + chunk("data", samples)), false, 0,
         0, false},
    };
    const std::string file = (std::filesystem::temp_directory_path() / "vantrel_wave_test.wav").string();
    for (const Case& c : cases) {
        std::ofstream(file, std::ios::binary) << c.bytes;
        const std::optional<Wave> w = readWave(file);
        ASSERT_EQ(w.has_value(), c.read) << c.what;
        if (!w) continue;
        EXPECT_EQ(w->bits, c.bits) << c.what;
        EXPECT_EQ(w->channels, c.channels) << c.what;
        EXPECT_EQ(w->floating, c.floating) << c.what;
        EXPECT_EQ(w->samples, samples) << c.what;
    }
    std::filesystem::remove(file);
}

TEST(WaveFile, DurationFromRateAndLayout) {
    Wave w{16, false, 1, 22050, std::string(44100, '\0')};
    EXPECT_EQ(w.durationMs(), 1000);
    w.channels = 2;
    EXPECT_EQ(w.durationMs(), 500);
}
