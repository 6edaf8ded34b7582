// The sounds of the game events, synthesized: 16-bit PCM mono WAV files
// named as the program plays them ("Won" is stored as "Won.wav").
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace assetgen {

struct SoundFile {
    QString fileName;
    QByteArray wav;
};

constexpr int kSampleRate = 22050;

std::vector<SoundFile> makeSounds();

// A RIFF/WAVE file of 16-bit mono samples (values in -1..1, clipped).
QByteArray wavFile(const std::vector<float> &samples);

} // namespace assetgen
