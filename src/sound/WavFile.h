// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class QIODevice;

namespace phrases {
struct Tone;
}

// The clips are plain PCM WAV files: what the player can play, and how a
// tone is written as one.
namespace wav {

// Why the file cannot be played as a clip ("not a WAV file", ...); empty when
// it can: a RIFF WAVE file with PCM samples of 8 to 32 bits, one or two
// channels, and a data chunk that is all there.
QString problem(QIODevice &file);
QString problem(const QString &path);

// A mono file of 16-bit samples.
QByteArray pcm16(const QList<qint16> &samples, int rate);

// The tone's notes, each faded in and out so that it does not click.
QList<qint16> samples(const phrases::Tone &tone, int rate);

} // namespace wav
