// SOUNDS/: every event's file is a short, quiet, audible 16-bit PCM wave.
#include "asset_paths.h"

#include <QFile>
#include <QtEndian>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>

using namespace assets_test;

namespace {

struct Wave {
    int rate = 0;
    std::vector<int16_t> samples;
};

// A minimal RIFF reader: walks the chunks, insists on mono or stereo 16-bit PCM.
std::optional<Wave> readWave(const QString &path, std::string &why)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        why = "cannot open";
        return std::nullopt;
    }
    const QByteArray b = file.readAll();
    if (b.size() < 12 || b.left(4) != "RIFF" || b.mid(8, 4) != "WAVE") {
        why = "not a RIFF/WAVE file";
        return std::nullopt;
    }
    Wave wave;
    int channels = 0, bits = 0, format = 0;
    bool haveData = false;
    for (qsizetype at = 12; at + 8 <= b.size();) {
        const QByteArray id = b.mid(at, 4);
        const auto size = qFromLittleEndian<quint32>(b.constData() + at + 4);
        const char *body = b.constData() + at + 8;
        if (at + 8 + qsizetype(size) > b.size()) {
            why = "chunk " + id.toStdString() + " runs past the end";
            return std::nullopt;
        }
        if (id == "fmt ") {
            format = qFromLittleEndian<quint16>(body);
            channels = qFromLittleEndian<quint16>(body + 2);
            wave.rate = int(qFromLittleEndian<quint32>(body + 4));
            bits = qFromLittleEndian<quint16>(body + 14);
        } else if (id == "data") {
            for (quint32 i = 0; i + 1 < size; i += 2)
                wave.samples.push_back(qFromLittleEndian<qint16>(body + i));
            haveData = true;
        }
        at += 8 + size + (size & 1);
    }
    if (format != 1 || bits != 16 || channels != 1 || wave.rate <= 0 || !haveData) {
        why = "not 16-bit mono PCM with data";
        return std::nullopt;
    }
    return wave;
}

struct Event {
    const char *name; // as the program passes it
    bool mayBeLong;
};

const Event kEvents[] = {
    {"Splash", true},        {"New", true},          {"About.wav", false},  {"Won", true},
    {"card_up.wav", false},  {"card_down.wav", false}, {"Face_up", false},  {"Foundation.wav", false},
    {"Autoplay.wav", false}, {"Eddy.wav", false},    {"Tableau", false},    {"Stock", false},
    {"Redeal", true},        {"Pairing", false},     {"Shuffle", true},
};

} // namespace

TEST(Sounds, EveryEventHasAShortQuietAudibleWave)
{
    for (const Event &event : kEvents) {
        QString file = QString::fromLatin1(event.name);
        if (!file.endsWith(".wav"))
            file += ".wav";
        std::string why;
        const std::optional<Wave> wave = readWave(programDir() + "/SOUNDS/" + file, why);
        ASSERT_TRUE(wave) << file.toStdString() << ": " << why;
        const double seconds = double(wave->samples.size()) / wave->rate;
        if (!event.mayBeLong) {
            EXPECT_LT(seconds, 0.5) << file.toStdString();
        }
        EXPECT_LT(seconds, 3.0) << file.toStdString();
        double energy = 0;
        int peak = 0;
        for (int16_t s : wave->samples) {
            energy += double(s) * s;
            peak = std::max(peak, std::abs(int(s)));
        }
        const double rms = std::sqrt(energy / std::max<size_t>(1, wave->samples.size()));
        EXPECT_GT(rms, 300) << file.toStdString() << " is silent";
        EXPECT_LT(peak, 16384) << file.toStdString() << " is too loud";
        // Starts and ends near zero: no click when played or looped.
        EXPECT_LT(std::abs(int(wave->samples.front())), 200) << file.toStdString();
        EXPECT_LT(std::abs(int(wave->samples.back())), 200) << file.toStdString();
    }
}
