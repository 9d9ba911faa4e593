// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ResultsBackend.h"

#include "storage/ResultsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QPluginLoader>

namespace {
constexpr auto moduleName = "gli-insiemi-results.so";

// Where no module could be opened: every store fails and says why, so that
// no answer is lost without the results screen and the log saying so.
class MissingStore final : public ResultsStore
{
public:
    MissingStore(const QString &path, const QString &why) : m_path(path), m_why(why) {}

    bool open() override
    {
        setProblem(QCoreApplication::translate(
                       "ResultsStore",
                       "Le risposte non si possono salvare: il modulo dei risultati non si "
                       "apre (%1).")
                       .arg(m_why));
        return false;
    }
    bool isOpen() const override { return false; }
    void close() override {}
    QString location() const override { return m_path; }
    Saved save(const AnswerRecord &) override { return open() ? Saved::Kept : Saved::Failed; }
    std::optional<QList<PupilSummary>> summary(const PeriodBounds &) override
    {
        open();
        return std::nullopt;
    }
    std::optional<QList<PupilDay>> pupilDays(const QString &, const PeriodBounds &) override
    {
        open();
        return std::nullopt;
    }
    bool remove(Whose, const QString &) override { return open(); }

private:
    QString m_path;
    QString m_why;
};

class MissingBackend final : public ResultsBackend
{
public:
    explicit MissingBackend(const QString &why) : m_why(why) {}

    std::unique_ptr<ResultsStore> fileStore(const QString &path) override
    {
        return std::make_unique<MissingStore>(path, m_why);
    }
    std::unique_ptr<ResultsStore> serverStore(const QString &path, const ServerSettings &) override
    {
        return fileStore(path);
    }
    std::pair<ServerFault, QString> checkServer(const ServerSettings &) override
    {
        MissingStore store(QString(), m_why);
        store.open();
        return {ServerFault::Other, store.problem()};
    }
    AnswerSender *sender(const QString &, const ServerSettings &, const ResultsSender::Timing &,
                         SenderEvents, QObject *) override
    {
        return nullptr;
    }

private:
    QString m_why;
};

struct Loaded
{
    QMutex mutex;
    ResultsBackend *backend = nullptr;
    QString moduleFile;
    std::unique_ptr<MissingBackend> missing;
};

Loaded &loaded()
{
    static Loaded state;
    return state;
}

QString defaultModuleFile()
{
    const QString bin = QCoreApplication::applicationDirPath();
    const QStringList places{bin, QDir::cleanPath(bin + QStringLiteral("/../" GLI_MODULE_DIR))};
    for (const QString &place : places) {
        const QString file = place + u'/' + QLatin1String(moduleName);
        if (QFileInfo::exists(file))
            return file;
    }
    return QString();
}

// The module's backend, or the reason there is none, naming the file.
ResultsBackend *open(const QString &file, QString *why)
{
    if (file.isEmpty()) {
        *why = QCoreApplication::translate("ResultsStore", "%1 non trovato")
                   .arg(QLatin1String(moduleName));
        return nullptr;
    }
    QPluginLoader loader(file);
    auto *backend = qobject_cast<ResultsBackend *>(loader.instance());
    if (!backend)
        *why = file + QStringLiteral(": ") + loader.errorString();
    return backend; // the module stays loaded for the rest of the run
}
} // namespace

namespace results {

ResultsBackend &backend()
{
    Loaded &state = loaded();
    const QMutexLocker lock(&state.mutex);
    if (state.backend)
        return *state.backend;
    QString why;
    const QString file = state.moduleFile.isEmpty() ? defaultModuleFile() : state.moduleFile;
    state.backend = open(file, &why);
    if (!state.backend) {
        qCWarning(lcResults).noquote() << "no results module:" << why;
        state.missing = std::make_unique<MissingBackend>(why);
        state.backend = state.missing.get();
    }
    return *state.backend;
}

void setBackend(ResultsBackend *backend)
{
    Loaded &state = loaded();
    const QMutexLocker lock(&state.mutex);
    state.backend = backend;
}

void setModuleFile(const QString &file)
{
    Loaded &state = loaded();
    const QMutexLocker lock(&state.mutex);
    state.moduleFile = file;
    if (state.backend == state.missing.get())
        state.backend = nullptr; // try again with this one
}

} // namespace results
