// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/PdfFileDialog.h"

#include "worksheets/PdfFile.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

QString pdffile::askFileName(QWidget *parent, const QString &title, const QString &folder,
                             const QString &proposedName)
{
    QFileDialog dialog(parent, title, folder);
    dialog.setObjectName(QStringLiteral("dlgSalvaPdf"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QCoreApplication::translate("WorksheetScreen", "Documenti PDF (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf")); // for a name without any suffix
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString typed = dialog.selectedFiles().constFirst();
    const QString file = withPdfSuffix(typed);
    // The dialog asked about the name as typed; the file written is this one.
    if (file != typed && QFileInfo::exists(file)
        && QMessageBox::question(parent, title,
                                 QCoreApplication::translate(
                                     "WorksheetScreen", "Il file \"%1\" esiste già. Sostituirlo?")
                                     .arg(QFileInfo(file).fileName()),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            != QMessageBox::Yes)
        return {};
    return file;
}
