#include "shell/sound_device_pulse.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <dlfcn.h>
#include <filesystem>
#include <fstream>
#include <tuple>
#include <type_traits>
#include <pulse/simple.h>

#include "shell/core/path_helper.h"

namespace vantrel {

// The few calls of the client library, found at run time.
struct PulseApi {
    decltype(&pa_simple_new) open = nullptr;
    decltype(&pa_simple_write) write = nullptr;
    decltype(&pa_simple_drain) drain = nullptr;
    decltype(&pa_simple_flush) flush = nullptr;
    decltype(&pa_simple_free) close = nullptr;
};

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

// Null when the library is not installed: then no sound plays.
const PulseApi* loadApi() {
    static const PulseApi* api = []() -> const PulseApi* {
        void* lib = ::dlopen("libpulse-simple.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!lib) return nullptr;
        static PulseApi found;
        auto get = [lib](auto& fn, const char* name) {
            fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(::dlsym(lib, name));
            return fn != nullptr;
        };
        const bool all = get(found.open, "pa_simple_new") && get(found.write, "pa_simple_write") &&
                         get(found.drain, "pa_simple_drain") && get(found.flush, "pa_simple_flush") &&
                         get(found.close, "pa_simple_free");
        return all ? &found : nullptr;
    }();
    return api;
}

// The sample layout the open call takes, named from its signature.
template <class F>
struct OpenArgs;
template <class R, class... A>
struct OpenArgs<R (*)(A...)> {
    using Layout = std::remove_const_t<std::remove_pointer_t<std::tuple_element_t<5, std::tuple<A...>>>>;
};
using SampleLayout = OpenArgs<decltype(&pa_simple_new)>::Layout;

std::optional<pa_sample_format_t> sampleFormat(const Wave& w) {
    if (w.floating) return w.bits == 32 ? std::optional(PA_SAMPLE_FLOAT32LE) : std::nullopt;
    switch (w.bits) {
        case 8: return PA_SAMPLE_U8;
        case 16: return PA_SAMPLE_S16LE;
        case 24: return PA_SAMPLE_S24LE;
        case 32: return PA_SAMPLE_S32LE;
        default: return std::nullopt;
    }
}
}  // namespace

int Wave::durationMs() const {
    const uint64_t bytesPerSecond = uint64_t{rate} * static_cast<unsigned>(channels * bits / 8);
    return bytesPerSecond ? static_cast<int>(samples.size() * 1000 / bytesPerSecond) : 0;
}

std::optional<Wave> readWave(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    char riff[12];
    if (!in.read(riff, 12) || std::string_view(riff, 4) != "RIFF" || std::string_view(riff + 8, 4) != "WAVE")
        return std::nullopt;
    Wave w;
    char chunk[8];
    while (in.read(chunk, 8)) {
        const uint32_t size = littleEndian(chunk + 4, 4);
        const std::string_view id(chunk, 4);
        if (id == "fmt ") {
            char fmt[16];
            if (size < 16 || !in.read(fmt, 16)) return std::nullopt;
            constexpr uint32_t Pcm = 1, Float = 3, Extensible = 0xFFFE;
            const uint32_t tag = littleEndian(fmt, 2);
            if (tag != Pcm && tag != Float && tag != Extensible) return std::nullopt;
            w.channels = static_cast<int>(littleEndian(fmt + 2, 2));
            w.rate = littleEndian(fmt + 4, 4);
            w.bits = static_cast<int>(littleEndian(fmt + 14, 2));
            w.floating = tag == Float;
            in.seekg(size - 16 + (size & 1), std::ios::cur);
        } else if (id == "data") {
            if (w.channels < 1 || static_cast<unsigned>(w.channels) > PA_CHANNELS_MAX || w.rate == 0 || w.rate > PA_RATE_MAX)
                return std::nullopt;
            // The size is the file's word: a damaged one may claim gigabytes.
            const std::streamoff at = in.tellg();
            in.seekg(0, std::ios::end);
            const std::streamoff left = in.tellg() - at;
            in.seekg(at);
            w.samples.resize(std::min<size_t>(size, static_cast<size_t>(std::max<std::streamoff>(left, 0))));
            in.read(w.samples.data(), static_cast<std::streamsize>(w.samples.size()));
            return w;
        } else {
            in.seekg(size + (size & 1), std::ios::cur);
        }
    }
    return std::nullopt;
}

SoundDevicePulse::SoundDevicePulse() = default;

SoundDevicePulse::~SoundDevicePulse() { stop(); }

std::optional<std::string> SoundDevicePulse::soundFile(const std::string& path) {
    const std::string exact = resolvePath("", path);
    if (isFile(exact)) return exact;
    if (std::filesystem::path(exact).has_extension()) return std::nullopt;
    const std::string wav = resolvePath("", path + ".wav");
    if (isFile(wav)) return wav;
    return std::nullopt;
}

void SoundDevicePulse::play(const std::string& path, SoundPlay how) {
    const std::optional<std::string> file = soundFile(path);
    if (!file) return;  // no fallback sound, no report
    stop();
    if (noLibrary_) return;
    std::optional<Wave> wave = readWave(*file);
    const std::optional<pa_sample_format_t> format = wave ? sampleFormat(*wave) : std::nullopt;
    if (!format || wave->samples.empty()) return;

    const SampleLayout layout{*format, wave->rate, static_cast<uint8_t>(wave->channels)};
    const size_t frame = static_cast<size_t>(wave->channels * wave->bits / 8);
    // Writes block once a tenth of a second is queued, so a stop takes
    // effect at once and the flush has little to throw away.
    const size_t step = std::max<size_t>(frame, wave->rate / 50 * frame);
    const uint32_t queued = static_cast<uint32_t>(step * 5);
    const pa_buffer_attr buffer{static_cast<uint32_t>(-1), queued, static_cast<uint32_t>(-1),
                                static_cast<uint32_t>(-1), static_cast<uint32_t>(-1)};
    const int durationMs = wave->durationMs();
    stopping_ = false;
    done_ = false;
    player_ = std::thread([this, layout, buffer, step, loop = how == SoundPlay::Loop,
                           samples = std::move(wave->samples)] {
        int error = 0;
        // Loaded here, not on the caller's thread: the first sound comes as
        // the first dialog shows, whose pictures must not wait for the
        // library and its codecs.
        const PulseApi* api = loadApi();
        if (!api) noLibrary_ = true;
        pa_simple* s = api ? api->open(nullptr, "Vantrel", PA_STREAM_PLAYBACK, nullptr, "sound", &layout, nullptr,
                                       &buffer, &error)
                           : nullptr;
        if (s) {
            do {
                for (size_t at = 0; at < samples.size() && !stopping_; at += step)
                    if (api->write(s, samples.data() + at, std::min(step, samples.size() - at), &error) < 0)
                        stopping_ = true;
            } while (loop && !stopping_);
            if (stopping_)
                api->flush(s, &error);
            else
                api->drain(s, &error);
            api->close(s);
        }
        done_ = true;
    });
    if (how != SoundPlay::Wait) return;

    // Held until the sound ends (or cannot be played); the player's input
    // waits meanwhile.
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done_) loop.quit();
    });
    poll.start(10);
    QTimer::singleShot(std::min(durationMs + 500, MaxWaitMs), &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void SoundDevicePulse::stop() {
    if (!player_.joinable()) return;
    stopping_ = true;
    player_.join();
}

}  // namespace vantrel
