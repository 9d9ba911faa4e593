// SPDX-License-Identifier: GPL-3.0-or-later
// The module gli-insiemi-sound: the voice's player on Qt Multimedia.
#include "sound/ClipPlayer.h"

#include <QAudioDevice>
#include <QHash>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {

// One sound effect per file, kept: a sentence said again starts at once.
class SoundEffectPlayer : public ClipPlayer
{
public:
    explicit SoundEffectPlayer(ClipPlayerFactory::Report report) : m_report(std::move(report)) {}
    ~SoundEffectPlayer() override { stop(); }

    void play(const QStringList &files, std::function<void()> done) override
    {
        stop();
        m_queue = files;
        m_done = std::move(done);
        next();
    }

    void stop() override
    {
        m_queue.clear();
        m_done = nullptr;
        if (QSoundEffect *playing = std::exchange(m_current, nullptr))
            playing->stop();
    }

private:
    QSoundEffect *effect(const QString &file)
    {
        QSoundEffect *&e = m_effects[file];
        if (!e) {
            e = new QSoundEffect(&m_owner);
            e->setSource(QUrl::fromLocalFile(file));
            QObject::connect(e, &QSoundEffect::statusChanged, &m_owner, [this, e] {
                if (e == m_current)
                    start();
            });
            QObject::connect(e, &QSoundEffect::playingChanged, &m_owner, [this, e] {
                if (e == m_current && !e->isPlaying() && e->status() == QSoundEffect::Ready)
                    next();
            });
        }
        return e;
    }

    void next()
    {
        m_current = nullptr;
        if (m_queue.isEmpty()) {
            if (auto done = std::exchange(m_done, nullptr))
                done();
            return;
        }
        m_current = effect(m_queue.takeFirst());
        start();
    }

    // Plays the current clip once it has loaded; skips it if it cannot.
    void start()
    {
        switch (m_current->status()) {
        case QSoundEffect::Ready:
            if (!m_current->isPlaying())
                m_current->play();
            break;
        case QSoundEffect::Error:
            m_report(QStringLiteral("Clip %1 left out: it cannot be played")
                         .arg(m_current->source().toLocalFile()));
            next();
            break;
        case QSoundEffect::Null:
        case QSoundEffect::Loading:
            break; // statusChanged comes back here
        }
    }

    ClipPlayerFactory::Report m_report;
    QObject m_owner;
    QHash<QString, QSoundEffect *> m_effects;
    QStringList m_queue;
    QSoundEffect *m_current = nullptr;
    std::function<void()> m_done;
};

class SoundEffectPlayerFactory : public QObject, public ClipPlayerFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ClipPlayerFactory_iid)
    Q_INTERFACES(ClipPlayerFactory)
public:
    std::unique_ptr<ClipPlayer> create(Report report, QString *error) override
    {
        if (QMediaDevices::defaultAudioOutput().isNull()) {
            *error = QStringLiteral("no sound server or sound device");
            return nullptr;
        }
        return std::make_unique<SoundEffectPlayer>(std::move(report));
    }
};

} // namespace

#include "SoundEffectPlayer.moc"
