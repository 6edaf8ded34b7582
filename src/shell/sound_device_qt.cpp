#include "shell/sound_device_qt.h"

#include <QEventLoop>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>

#include "shell/core/path_helper.h"

namespace vantrel {

namespace {
bool isFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

uint32_t littleEndian(const char* p, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(p[i]);
    return v;
}

// Length of a RIFF wave file from its "fmt " and "data" chunks; a few
// seconds when the header cannot be read.
int waveDurationMs(const std::string& file) {
    constexpr int Unknown = 5000;
    std::ifstream in(file, std::ios::binary);
    char riff[12];
    if (!in.read(riff, 12) || std::string_view(riff, 4) != "RIFF" || std::string_view(riff + 8, 4) != "WAVE")
        return Unknown;
    uint32_t byteRate = 0;
    char chunk[8];
    while (in.read(chunk, 8)) {
        const uint32_t size = littleEndian(chunk + 4, 4);
        const std::string_view id(chunk, 4);
        if (id == "fmt ") {
            char fmt[16];
            if (size < 16 || !in.read(fmt, 16)) return Unknown;
            byteRate = littleEndian(fmt + 8, 4);
            in.seekg(size - 16 + (size & 1), std::ios::cur);
        } else if (id == "data") {
            return byteRate ? static_cast<int>(uint64_t{size} * 1000 / byteRate) : Unknown;
        } else {
            in.seekg(size + (size & 1), std::ios::cur);
        }
    }
    return Unknown;
}
}  // namespace

SoundDeviceQt::SoundDeviceQt() = default;

std::optional<std::string> SoundDeviceQt::soundFile(const std::string& path) {
    const std::string exact = resolvePath("", path);
    if (isFile(exact)) return exact;
    if (std::filesystem::path(exact).has_extension()) return std::nullopt;
    const std::string wav = resolvePath("", path + ".wav");
    if (isFile(wav)) return wav;
    return std::nullopt;
}

void SoundDeviceQt::play(const std::string& path, SoundPlay how) {
    const std::optional<std::string> file = soundFile(path);
    if (!file) return;  // no fallback sound, no report
    effect_.stop();
    effect_.setSource(QUrl::fromLocalFile(QString::fromStdString(*file)));
    effect_.setLoopCount(how == SoundPlay::Loop ? QSoundEffect::Infinite : 1);
    effect_.play();
    if (how != SoundPlay::Wait) return;

    // Held until the sound ends (or cannot be played); the player's input
    // waits meanwhile.
    QEventLoop loop;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&effect_, &QSoundEffect::playingChanged, &loop, [&] {
        if (!effect_.isPlaying() && effect_.status() != QSoundEffect::Loading) loop.quit();
    });
    QObject::connect(&effect_, &QSoundEffect::statusChanged, &loop, [&] {
        if (effect_.status() == QSoundEffect::Error) loop.quit();
    });
    guard.start(std::min(waveDurationMs(*file) + 500, MaxWaitMs));
    if (effect_.status() != QSoundEffect::Error) loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void SoundDeviceQt::stop() { effect_.stop(); }

}  // namespace vantrel
