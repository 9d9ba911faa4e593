// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sound/Phrases.h"

#include <QObject>
#include <QStringList>

#include <memory>

class QThread;

// The drill's voice: says a list of clips in the language set here, one
// clip after another. Everything slow (the clip files, the player module,
// the sound server) is done on a thread of its own, made the first time
// something is said, so that saying never holds up the screen. Without a
// player module, sound server or device it stays silent and says why once
// in the log (category "gli.sound"); a clip that is missing or damaged is
// left out with a line in the log, and the rest is said.
class Voice : public QObject
{
    Q_OBJECT
public:
    explicit Voice(QObject *parent = nullptr);
    ~Voice() override;

    // Off, it says nothing and stops what it is saying.
    void setEnabled(bool on);
    bool isEnabled() const { return m_enabled; }
    // "it", "de" or "en".
    void setLanguage(const QString &language);
    QString language() const { return m_language; }
    // Where the clips are looked for (see ClipFolders) and the player
    // module's file; both default to the program's own and are read when
    // something is first said.
    void setClipRoots(const QStringList &roots);
    void setPlayerModule(const QString &file);
    // The module beside the executable (build tree), else in the program's
    // library folder; empty when neither is there.
    static QString defaultPlayerModule();

    // Cuts off what is being said and says `clips`.
    void say(const QStringList &clips);
    // Cuts off what is being said.
    void stop();

    void sayQuestion();
    void saySign(phrases::Relation relation);
    void sayVerdict(bool correct, int left, int right);

Q_SIGNALS:
    // The clip files of what is said were handed to the player.
    void started(const QStringList &files);
    // What was started was said to its end (not when it was cut off).
    void finished();
    // Nothing can be said: no module, no sound server or no device.
    void unavailable(const QString &reason);

private:
    struct Engine;

    QThread *m_thread = nullptr;
    QObject *m_worker = nullptr;
    std::unique_ptr<Engine> m_engine;
    bool m_enabled = true;
    QString m_language;
    QStringList m_roots;
    QString m_module;
};
