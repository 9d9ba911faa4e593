// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/WavFile.h"

#include "sound/Phrases.h"

#include <QFile>
#include <QtEndian>

#include <cmath>
#include <numbers>

namespace {

constexpr int headerBytes = 12;
constexpr int chunkHeaderBytes = 8;
constexpr quint16 formatPcm = 1;
constexpr quint16 formatExtensible = 0xFFFE;

quint32 le32(const char *p)
{
    return qFromLittleEndian<quint32>(p);
}

quint16 le16(const char *p)
{
    return qFromLittleEndian<quint16>(p);
}

} // namespace

QString wav::problem(QIODevice &file)
{
    const QByteArray head = file.read(headerBytes);
    if (head.size() < headerBytes || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return QStringLiteral("not a WAV file");
    bool hasFormat = false;
    for (;;) {
        const QByteArray chunk = file.read(chunkHeaderBytes);
        if (chunk.size() < chunkHeaderBytes)
            return hasFormat ? QStringLiteral("no sound data") : QStringLiteral("no format");
        const QByteArray id = chunk.left(4);
        const qint64 size = le32(chunk.constData() + 4);
        const qint64 left = file.size() - file.pos();
        if (id == "fmt ") {
            if (size < 16 || size > left)
                return QStringLiteral("damaged format");
            const QByteArray fmt = file.read(size);
            const quint16 format = le16(fmt.constData());
            const quint16 channels = le16(fmt.constData() + 2);
            const quint32 rate = le32(fmt.constData() + 4);
            const quint16 bits = le16(fmt.constData() + 14);
            if (format != formatPcm && format != formatExtensible)
                return QStringLiteral("compressed sound (format %1), not PCM").arg(format);
            if (channels < 1 || channels > 2 || rate == 0 || bits < 8 || bits > 32 || bits % 8)
                return QStringLiteral("unplayable format (%1 channels, %2 Hz, %3 bits)")
                    .arg(channels)
                    .arg(rate)
                    .arg(bits);
            hasFormat = true;
        } else if (id == "data") {
            if (!hasFormat)
                return QStringLiteral("sound data before its format");
            if (size == 0)
                return QStringLiteral("no sound data");
            if (size > left)
                return QStringLiteral("cut short (%1 of %2 bytes of sound)").arg(left).arg(size);
            return QString();
        } else if (size + (size & 1) > left || !file.seek(file.pos() + size + (size & 1))) {
            return QStringLiteral("damaged");
        }
    }
}

QString wav::problem(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    return problem(file);
}

QByteArray wav::pcm16(const QList<qint16> &samples, int rate)
{
    const auto dataBytes = static_cast<quint32>(samples.size() * 2);
    QByteArray out;
    out.reserve(44 + static_cast<qsizetype>(dataBytes));
    const auto put32 = [&out](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    const auto put16 = [&out](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        out.append(b, 2);
    };
    out.append("RIFF");
    put32(36 + dataBytes);
    out.append("WAVEfmt ");
    put32(16);
    put16(formatPcm);
    put16(1);
    put32(static_cast<quint32>(rate));
    put32(static_cast<quint32>(rate) * 2);
    put16(2);
    put16(16);
    out.append("data");
    put32(dataBytes);
    for (qint16 s : samples)
        put16(static_cast<quint16>(s));
    return out;
}

QList<qint16> wav::samples(const phrases::Tone &tone, int rate)
{
    const auto perNote = static_cast<qsizetype>(tone.noteSeconds * rate);
    const qsizetype fade = perNote / 8;
    QList<qint16> out;
    out.reserve(perNote * static_cast<qsizetype>(tone.notes.size()));
    for (double hertz : tone.notes) {
        for (qsizetype i = 0; i < perNote; ++i) {
            const double envelope = std::min(
                {1.0, double(i) / double(fade), double(perNote - 1 - i) / double(fade)});
            const double t = double(i) / rate;
            const double value = std::sin(2 * std::numbers::pi * hertz * t);
            out << static_cast<qint16>(std::lround(value * envelope * tone.loudness * 32767));
        }
    }
    return out;
}
