#include "ui/chime/wav_pcm.h"

#include <QtEndian>

std::optional<WavPcm> readWavPcm(const QByteArray &file)
{
    if (file.size() < 12 || !file.startsWith("RIFF") || file.sliced(8, 4) != "WAVE")
        return std::nullopt;
    WavPcm pcm;
    qsizetype at = 12;
    while (file.size() - at >= 8) {
        const QByteArray id = file.sliced(at, 4);
        const qsizetype size = qFromLittleEndian<quint32>(file.constData() + at + 4);
        const qsizetype body = at + 8;
        if (size > file.size() - body)
            return std::nullopt;
        const char *const data = file.constData() + body;
        if (id == "fmt ") {
            constexpr quint16 kPcm = 1;
            if (size < 16 || qFromLittleEndian<quint16>(data) != kPcm
                || qFromLittleEndian<quint16>(data + 14) != 16)
                return std::nullopt;
            pcm.channels = qFromLittleEndian<quint16>(data + 2);
            pcm.rate = int(qFromLittleEndian<quint32>(data + 4));
        } else if (id == "data") {
            // The format comes first in a well-made file.
            if (pcm.channels < 1 || pcm.rate < 1)
                return std::nullopt;
            // Whole frames only: a server refuses a write of part of one.
            pcm.samples = file.sliced(body, size - size % (2 * pcm.channels));
            return pcm;
        }
        at = body + size + size % 2; // chunks are padded to an even size
    }
    return std::nullopt;
}
