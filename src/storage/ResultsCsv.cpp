// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ResultsCsv.h"

#include "shell/Language.h"
#include "storage/CsvWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

QString results_csv::guestName()
{
    return QCoreApplication::translate("ResultsCsv", "Ospite");
}

QLocale results_csv::programLocale()
{
    return QLocale(language::choose(QLocale::system().uiLanguages()));
}

QByteArray results_csv::document(const QList<PupilSummary> &rows, const QLocale &locale)
{
    QLocale numbers = locale;
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    const CsvWriter csv(CsvWriter::separatorFor(locale));
    QString body = csv.row({QCoreApplication::translate("ResultsCsv", "Alunno"),
                            QCoreApplication::translate("ResultsCsv", "Esercizi"),
                            QCoreApplication::translate("ResultsCsv", "Giusti"),
                            QCoreApplication::translate("ResultsCsv", "Sbagliati"),
                            QCoreApplication::translate("ResultsCsv", "Giusti (%)"),
                            QCoreApplication::translate("ResultsCsv", "Secondi in media"),
                            QCoreApplication::translate("ResultsCsv", "Ultimo giorno"),
                            QCoreApplication::translate("ResultsCsv", "Errore più frequente")});
    for (const PupilSummary &row : rows) {
        body += csv.row({row.pupil.isEmpty() ? guestName() : row.pupil,
                         QString::number(row.exercises), QString::number(row.right),
                         QString::number(row.wrong), numbers.toString(row.shareRight * 100, 'f', 1),
                         numbers.toString(row.meanSeconds, 'f', 1),
                         row.lastDay.toString(Qt::ISODate), mistakeText(row.commonMistake)});
    }
    return CsvWriter::byteOrderMark() + body.toUtf8();
}

QString results_csv::write(const QString &path, const QList<PupilSummary> &rows,
                           const QLocale &locale)
{
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        return QCoreApplication::translate("ResultsCsv", "la cartella %1 non esiste")
            .arg(QDir::toNativeSeparators(info.absolutePath()));
    if (info.isDir())
        return QCoreApplication::translate("ResultsCsv", "%1 è una cartella")
            .arg(QDir::toNativeSeparators(info.absoluteFilePath()));
    QSaveFile file(path);
    // Saving into a folder where no new file may be made (a file of its
    // own still may be written).
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QByteArray bytes = document(rows, locale);
    if (file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return {};
}
