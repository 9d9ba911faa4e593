// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/Voice.h"

#include "shell/Language.h"
#include "sound/ClipFolders.h"
#include "sound/ClipPlayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QPluginLoader>
#include <QSet>
#include <QThread>

Q_LOGGING_CATEGORY(soundLog, "gli.sound")

namespace {
constexpr auto moduleFile = "gli-insiemi-sound.so";

// Qt Multimedia logs on its own when it finds no sound server. While the
// player is made, what the voice's thread logs is caught, so that the log
// gets one line that says why there is no sound; other threads log as ever.
thread_local QStringList *caught = nullptr;
QtMessageHandler passOn = nullptr;

void catchOnVoiceThread(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (caught)
        caught->append(text);
    else if (passOn)
        passOn(type, context, text);
}

class CaughtMessages
{
public:
    CaughtMessages()
    {
        caught = &m_lines;
        passOn = qInstallMessageHandler(catchOnVoiceThread);
    }
    ~CaughtMessages()
    {
        qInstallMessageHandler(passOn);
        caught = nullptr;
    }
    CaughtMessages(const CaughtMessages &) = delete;
    CaughtMessages &operator=(const CaughtMessages &) = delete;

    const QStringList &lines() const { return m_lines; }

private:
    QStringList m_lines;
};
} // namespace

// What the voice's thread keeps; touched on that thread only.
struct Voice::Engine
{
    bool tried = false;
    std::unique_ptr<QPluginLoader> loader;
    std::unique_ptr<ClipPlayer> player;
    // Why there is no player, once it was tried.
    QString whyNot;
    // Each problem is logged once, however often the clip is asked for.
    QSet<QString> reported;

    void log(const QString &problem)
    {
        if (!reported.contains(problem)) {
            reported.insert(problem);
            qCWarning(soundLog).noquote() << problem;
        }
    }

    // The player, made on first need; null, and whyNot logged, when there
    // can be none.
    ClipPlayer *open(const QString &module)
    {
        if (tried)
            return player.get();
        tried = true;
        QStringList noise;
        {
            CaughtMessages messages;
            make(module, &whyNot);
            noise = messages.lines();
        }
        if (!player) {
            if (!noise.isEmpty())
                whyNot += QStringLiteral(" (%1)").arg(noise.join(QStringLiteral("; ")));
            log(whyNot);
        } else {
            for (const QString &line : noise)
                log(line);
        }
        return player.get();
    }

    void make(const QString &module, QString *reason)
    {
        if (module.isEmpty()) {
            *reason = QStringLiteral("No sound: the player module %1 is not installed")
                          .arg(QLatin1String(moduleFile));
            return;
        }
        loader = std::make_unique<QPluginLoader>(module);
        auto *factory = qobject_cast<ClipPlayerFactory *>(loader->instance());
        if (!factory) {
            *reason = QStringLiteral("No sound: %1").arg(loader->errorString());
            return;
        }
        QString error;
        player = factory->create([this](const QString &p) { log(p); }, &error);
        if (!player)
            *reason = QStringLiteral("No sound: %1").arg(error);
    }
};

Voice::Voice(QObject *parent) : QObject(parent), m_language(language::italian) {}

Voice::~Voice()
{
    if (!m_thread)
        return;
    // The player's sound objects belong to its thread: they end there.
    QMetaObject::invokeMethod(
        m_worker, [engine = m_engine.get()] { engine->player.reset(); },
        Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    delete m_worker;
}

void Voice::setEnabled(bool on)
{
    m_enabled = on;
    if (!on)
        stop();
}

void Voice::setLanguage(const QString &language)
{
    m_language = language;
}

void Voice::setClipRoots(const QStringList &roots)
{
    m_roots = roots;
}

void Voice::setPlayerModule(const QString &file)
{
    m_module = file;
}

QString Voice::defaultPlayerModule()
{
    const QString bin = QCoreApplication::applicationDirPath();
    const QString name = QLatin1String(moduleFile);
    for (const QString &candidate :
         {bin + u'/' + name,
          QDir::cleanPath(bin + QStringLiteral("/../" GLI_SOUND_MODULE_DIR "/") + name)}) {
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return QString();
}

void Voice::say(const QStringList &clips)
{
    if (!m_enabled)
        return;
    if (!m_thread) {
        m_engine = std::make_unique<Engine>();
        m_thread = new QThread(this);
        m_thread->setObjectName(QStringLiteral("voice"));
        m_worker = new QObject;
        m_worker->moveToThread(m_thread);
        if (m_roots.isEmpty())
            m_roots = ClipFolders::defaultRoots();
        if (m_module.isNull())
            m_module = defaultPlayerModule();
        m_thread->start();
    }
    QMetaObject::invokeMethod(
        m_worker,
        [this, engine = m_engine.get(), folders = ClipFolders(m_roots), module = m_module, clips,
         language = m_language] {
            ClipPlayer *player = engine->open(module);
            if (!player) {
                Q_EMIT unavailable(engine->whyNot);
                return;
            }
            player->stop();
            const ClipFolders::Found found = folders.find(clips, language);
            for (const QString &problem : found.problems)
                engine->log(problem);
            Q_EMIT started(found.files);
            player->play(found.files, [this] { Q_EMIT finished(); });
        },
        Qt::QueuedConnection);
}

void Voice::stop()
{
    if (!m_thread)
        return;
    QMetaObject::invokeMethod(
        m_worker,
        [engine = m_engine.get()] {
            if (engine->player)
                engine->player->stop();
        },
        Qt::QueuedConnection);
}

void Voice::sayQuestion()
{
    say(phrases::question());
}

void Voice::saySign(phrases::Relation relation)
{
    say(phrases::sign(relation));
}

void Voice::sayVerdict(bool correct, int left, int right)
{
    say(phrases::verdict(correct, left, right));
}
