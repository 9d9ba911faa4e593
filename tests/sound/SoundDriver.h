// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The drill with its voice, as the sound tests reach it: a program whose
// voice plays the clips of this build through its player module, the drill
// answered by clicks, and a recorder of what reaches the private sound
// system's sink.
#include "drill/DrillDriver.h"
#include "sound/Voice.h"

#include <QLoggingCategory>
#include <QProcess>

#include <algorithm>

namespace soundtest {

using namespace drilltest;

// A new program whose voice uses this build's clips and module.
inline void makeProgram()
{
    program = std::make_unique<Program>();
    program->random().seed(4242);
    program->drillState().drill.setClock([] { return qint64(0); });
    program->voice().setClipRoots({QStringLiteral(GLI_BUILT_VOICES)});
    program->voice().setPlayerModule(QStringLiteral(GLI_SOUND_MODULE));
}

// The lines the program writes in the log category "gli.sound", and the
// other lines.
inline QStringList soundLog;
inline QStringList otherLog;
inline QtMessageHandler passOn = nullptr;

inline void keepSoundLog(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (context.category && qstrcmp(context.category, "gli.sound") == 0)
        soundLog << text;
    else
        otherLog << text;
    passOn(type, context, text);
}

// Called once, from initTestCase: QtTest's own handler gets every line too.
inline void installSoundLog()
{
    passOn = qInstallMessageHandler(keepSoundLog);
}

// What the private sound system's sink plays, read from its monitor as
// mono 16-bit samples.
class SinkRecorder
{
public:
    static constexpr int rate = 22050;

    SinkRecorder()
    {
        QObject::connect(&m_parec, &QProcess::readyReadStandardOutput,
                         [this] { m_bytes += m_parec.readAllStandardOutput(); });
        m_parec.start(QStringLiteral("parec"),
                      {QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                       QStringLiteral("--rate=%1").arg(rate), QStringLiteral("--channels=1"),
                       QStringLiteral("--latency-msec=20"),
                       QStringLiteral("--device=gli_test.monitor")});
    }
    ~SinkRecorder()
    {
        m_parec.kill();
        m_parec.waitForFinished();
    }
    SinkRecorder(const SinkRecorder &) = delete;
    SinkRecorder &operator=(const SinkRecorder &) = delete;

    bool isRecording() const { return m_parec.state() == QProcess::Running && samples() > 0; }
    qsizetype samples() const { return m_bytes.size() / 2; }
    static qsizetype seconds(double s) { return qsizetype(s * rate); }

    // The largest magnitude of the samples from `from` on (to `to`).
    int loudest(qsizetype from, qsizetype to = -1) const
    {
        const auto *s = reinterpret_cast<const qint16 *>(m_bytes.constData());
        const qsizetype end = to < 0 ? samples() : std::min(to, samples());
        int peak = 0;
        for (qsizetype i = std::max<qsizetype>(from, 0); i < end; ++i)
            peak = std::max(peak, std::abs(int(s[i])));
        return peak;
    }

private:
    QProcess m_parec;
    QByteArray m_bytes;
};

// Louder than this is sound; the null sink's silence is all zeros.
inline constexpr int heard = 1000;

} // namespace soundtest
