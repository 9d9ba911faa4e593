// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/ClipFolders.h"

#include "sound/WavFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

ClipFolders::ClipFolders(QStringList roots) : m_roots(std::move(roots)) {}

QStringList ClipFolders::defaultRoots()
{
    const QString voices = QStringLiteral("/voices");
    QStringList roots;
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!own.isEmpty())
        roots << own + voices;
    const QString bin = QCoreApplication::applicationDirPath();
    roots << bin + voices
          << QDir::cleanPath(bin + QStringLiteral("/../share/gli-insiemi") + voices);
    return roots;
}

ClipFolders::Found ClipFolders::find(const QStringList &clips, const QString &language) const
{
    Found found;
    for (const QString &clip : clips) {
        const QString name = language + u'/' + clip + QStringLiteral(".wav");
        QString path;
        for (const QString &root : m_roots) {
            const QFileInfo candidate(root + u'/' + name);
            if (candidate.exists()) {
                path = candidate.filePath();
                break;
            }
        }
        if (path.isEmpty()) {
            found.problems << QStringLiteral("No clip %1 in %2").arg(name, m_roots.join(u", "));
            continue;
        }
        const QString problem = wav::problem(path);
        if (!problem.isEmpty()) {
            found.problems << QStringLiteral("Clip %1 left out: %2").arg(path, problem);
            continue;
        }
        found.files << path;
    }
    return found;
}
