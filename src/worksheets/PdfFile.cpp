// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/PdfFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <sys/stat.h>

QString pdffile::withPdfSuffix(const QString &name)
{
    if (name.isEmpty() || name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        return name;
    return name + QStringLiteral(".pdf");
}

QString pdffile::defaultFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

QString pdffile::reason(int systemError)
{
    switch (systemError) {
    case EISDIR:
        return QCoreApplication::translate("PdfFile", "con questo nome c'è già una cartella");
    case ENOENT:
    case ENOTDIR:
        return QCoreApplication::translate("PdfFile", "la cartella non esiste");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("PdfFile",
                                           "non c'è il permesso di scrivere in questa cartella");
    case EROFS:
        return QCoreApplication::translate("PdfFile", "il disco è protetto dalla scrittura");
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return QCoreApplication::translate("PdfFile", "non c'è abbastanza spazio sul disco");
    case ENAMETOOLONG:
        return QCoreApplication::translate("PdfFile", "il nome è troppo lungo");
    case EIO:
        return QCoreApplication::translate("PdfFile", "errore del disco");
    default:
        return QCoreApplication::translate("PdfFile", "errore del sistema numero %1")
            .arg(systemError);
    }
}

QString pdffile::failureMessage(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("PdfFile",
                                       "Non è stato possibile salvare il file \"%1\": %2.")
        .arg(QDir::toNativeSeparators(path), reason);
}

namespace {
pdffile::Saved failed(const QString &path, const QString &reason)
{
    return {false, pdffile::failureMessage(path, reason)};
}

// The error number of the call that just failed, or the fallback when the
// system left none.
int lastError(int fallback)
{
    return errno != 0 ? errno : fallback;
}
} // namespace

pdffile::Saved pdffile::save(const QString &path, const QByteArray &document)
{
    const QFileInfo target(path);
    // What QSaveFile would refuse with words of its own, told in ours, from
    // the system's own answer: a folder that cannot be reached is not one
    // that does not exist.
    struct stat info
    {};
    if (::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode))
        return failed(path, reason(EISDIR));
    if (::stat(QFile::encodeName(target.absolutePath()).constData(), &info) != 0)
        return failed(path, reason(lastError(ENOENT)));
    if (!S_ISDIR(info.st_mode))
        return failed(path, reason(ENOTDIR));
    if (target.exists() && !target.isWritable())
        return failed(path,
                      QCoreApplication::translate("PdfFile", "il file è protetto dalla scrittura"));

    QSaveFile file(path);
    // Unbuffered: a write fails at once, with its error number still there.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(path, reason(lastError(EACCES)));
    errno = 0;
    if (file.write(document) != document.size()) {
        const int error = file.error() == QFileDevice::ResourceError ? ENOSPC : lastError(EIO);
        file.cancelWriting();
        return failed(path, reason(error));
    }
    errno = 0;
    if (!file.commit())
        return failed(path, reason(lastError(EIO)));
    return {true, {}};
}
