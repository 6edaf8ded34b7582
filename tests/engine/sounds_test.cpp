// Sound switches: the master switch and each event's own.
#include <gtest/gtest.h>

#include "engine/sounds.h"

namespace vantrel {
namespace {

struct FakeDevice : SoundDevice {
    void play(const std::string& path, SoundPlay how) override { played.emplace_back(path, how); }
    void stop() override { ++stops; }
    std::vector<std::pair<std::string, SoundPlay>> played;
    int stops = 0;
};

struct SoundsTest : ::testing::Test {
    void SetUp() override {
        state.StateInit("/opt/vantrel/");
        for (Field f : {field::Sounds_Enabled, field::Sounds_Foundation, field::Sounds_Autoplay, field::Sounds_NewGame,
                        field::Sounds_Redeal, field::Sounds_Shuffle, field::Sounds_Tableau})
            state.write(f, "Y");
    }
    StateRecord state;
    FakeDevice device;
    Sounds sounds{state, device};
};

TEST_F(SoundsTest, NamesArePassedUnchangedWithTheirPlayMode) {
    sounds.play(sound::NewGame);
    sounds.play(sound::Foundation);
    sounds.PlaySoundLoop("Redeal", true);
    sounds.StopSound();
    const std::vector<std::pair<std::string, SoundPlay>> expected{
        {"/opt/vantrel/SOUNDS\\New", SoundPlay::Wait},
        {"/opt/vantrel/SOUNDS\\Foundation.wav", SoundPlay::Async},
        {"/opt/vantrel/SOUNDS\\Redeal", SoundPlay::Loop},
    };
    EXPECT_EQ(device.played, expected);
    EXPECT_EQ(device.stops, 1);
}

TEST_F(SoundsTest, MasterSwitchOffSilencesEverything) {
    state.write(field::Sounds_Enabled, "N");
    sounds.play(sound::NewGame);
    sounds.play(sound::DealAnimation);
    sounds.PlaySoundAsync("Splash", true);
    sounds.PlaySoundWait("New", true);
    sounds.StopSound();
    EXPECT_TRUE(device.played.empty());
    EXPECT_EQ(device.stops, 0);
}

TEST_F(SoundsTest, FoundationOffAutoplayOn) {
    state.write(field::Sounds_Foundation, "N");
    sounds.play(sound::Foundation);
    sounds.play(sound::Eddy);  // family 12's second waste shares the switch
    sounds.play(sound::Autoplay);
    ASSERT_EQ(device.played.size(), 1u);
    EXPECT_EQ(device.played[0].first, "/opt/vantrel/SOUNDS\\Autoplay.wav");
}

TEST_F(SoundsTest, OnlyYesCountsAsOn) {
    for (const char* value : {"y", "1", ""}) {
        state.write(field::Sounds_Tableau, value);
        sounds.play(sound::Tableau);
        sounds.play(sound::MonteCarloSlide);
    }
    EXPECT_TRUE(device.played.empty());
    sounds.PlaySoundAsync("Splash", false);
    EXPECT_TRUE(device.played.empty());
}

}  // namespace
}  // namespace vantrel
