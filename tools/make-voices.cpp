// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the drill's clips from the phrase table at build time: each phrase
// voiced by espeak-ng in every language the program speaks, and the two
// verdict tones, as OUT/LANG/CLIP.wav. Fails, and so fails the build, when
// any clip of any language is missing or not a playable WAV afterwards.
//
// usage: gli-make-voices ESPEAK-NG OUT STAMP
#include "shell/Language.h"
#include "sound/Phrases.h"
#include "sound/WavFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTextStream>
#include <QtEndian>

#include <list>

namespace {

constexpr int toneRate = 22050;
// Words a minute: a little slower than espeak-ng's 175, for children.
constexpr int wordsPerMinute = 140;
constexpr int parallelVoices = 4;

// espeak-ng ends each clip with almost half a second of silence; a sentence
// joined from clips would stumble. What follows the last sound is cut to a
// short pause, a longer one after a full stop, "!" or "?".
constexpr double wordPause = 0.06;
constexpr double sentencePause = 0.25;
constexpr int silenceBelow = 200;

bool trimTrailingSilence(const QString &path, double keepSeconds)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    QByteArray bytes = file.readAll();
    const qsizetype data = bytes.indexOf("data");
    // espeak-ng writes 16-bit mono with the sound data last.
    if (data < 36 || qFromLittleEndian<quint16>(bytes.constData() + 22) != 1
        || qFromLittleEndian<quint16>(bytes.constData() + 34) != 16)
        return false;
    const quint32 rate = qFromLittleEndian<quint32>(bytes.constData() + 24);
    const qsizetype start = data + 8;
    const qsizetype count = std::min<qsizetype>(
                                qFromLittleEndian<quint32>(bytes.constData() + data + 4),
                                bytes.size() - start)
        / 2;
    const auto sample = [&](qsizetype i) {
        return qFromLittleEndian<qint16>(bytes.constData() + start + 2 * i);
    };
    qsizetype last = count - 1;
    while (last > 0 && std::abs(sample(last)) < silenceBelow)
        --last;
    const qsizetype kept = std::min(count, last + 1 + qsizetype(keepSeconds * rate));
    bytes.truncate(start + 2 * kept);
    qToLittleEndian(quint32(2 * kept), bytes.data() + data + 4);
    qToLittleEndian(quint32(bytes.size() - 8), bytes.data() + 4);
    return file.resize(0) && file.write(bytes) == bytes.size();
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        err() << "usage: gli-make-voices ESPEAK-NG OUT STAMP\n";
        return 2;
    }
    const QString espeak = args[1];
    const QDir out(args[2]);
    const QString stamp = args[3];
    QFile::remove(stamp);

    // Voiced a few at a time: each espeak-ng spends most of its time starting.
    struct Job
    {
        QString file;
        QStringList arguments;
        double keep;
    };
    QList<Job> jobs;
    for (const QString &language : language::spoken()) {
        if (!out.mkpath(language)) {
            err() << "cannot make " << out.filePath(language) << "\n";
            return 1;
        }
        for (const phrases::Phrase &phrase : phrases::spoken()) {
            const QString file = out.filePath(language + u'/' + QLatin1String(phrase.clip)
                                              + QStringLiteral(".wav"));
            jobs.append({file,
                         {QStringLiteral("-v"), language, QStringLiteral("-s"),
                          QString::number(wordsPerMinute), QStringLiteral("-w"), file,
                          QStringLiteral("--"), phrases::text(phrase, language)},
                         QByteArray(".!?").contains(QByteArray(phrase.english).back())
                             ? sentencePause
                             : wordPause});
        }
        for (const phrases::Tone &tone : phrases::tones()) {
            QFile file(
                out.filePath(language + u'/' + QLatin1String(tone.clip) + QStringLiteral(".wav")));
            if (!file.open(QIODevice::WriteOnly)
                || file.write(wav::pcm16(wav::samples(tone, toneRate), toneRate)) < 0) {
                err() << "cannot write " << file.fileName() << ": " << file.errorString() << "\n";
                return 1;
            }
        }
    }

    bool failed = false;
    std::list<QProcess> running;
    const auto finishOne = [&] {
        QProcess &p = running.front();
        p.waitForFinished(-1);
        if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
            err() << espeak << " " << p.arguments().join(u' ')
                  << " failed: " << QString::fromLocal8Bit(p.readAllStandardError()) << "\n";
            failed = true;
        }
        running.pop_front();
    };
    for (const Job &job : jobs) {
        if (running.size() >= parallelVoices)
            finishOne();
        QProcess &p = running.emplace_back();
        p.setProcessChannelMode(QProcess::SeparateChannels);
        p.start(espeak, job.arguments);
        if (!p.waitForStarted()) {
            err() << "cannot run " << espeak << ": " << p.errorString() << "\n";
            return 1;
        }
    }
    while (!running.empty())
        finishOne();
    for (const Job &job : jobs) {
        if (!failed && !trimTrailingSilence(job.file, job.keep)) {
            err() << "cannot trim " << job.file << "\n";
            failed = true;
        }
    }

    // Every clip of every language, or no build.
    for (const QString &language : language::spoken()) {
        for (const QString &clip : phrases::clipNames()) {
            const QString file = out.filePath(language + u'/' + clip + QStringLiteral(".wav"));
            const QString problem = wav::problem(file);
            if (!problem.isEmpty()) {
                err() << "clip " << file << ": " << problem << "\n";
                failed = true;
            }
        }
    }
    if (failed)
        return 1;
    QFile done(stamp);
    return done.open(QIODevice::WriteOnly) ? 0 : 1;
}
