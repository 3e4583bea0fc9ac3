#pragma once

#include <QByteArray>

#include <optional>

// The samples of a WAV file of 16-bit PCM, as a sound server takes them.
struct WavPcm
{
    int rate = 0;
    int channels = 0;
    QByteArray samples; // 16-bit little-endian, the channels interleaved
};

// The file's format and data chunks; nullopt when it is not a RIFF WAVE of
// 16-bit PCM or a chunk runs past its end.
std::optional<WavPcm> readWavPcm(const QByteArray &file);
