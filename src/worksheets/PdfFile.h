// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Saving a finished PDF document into a file the teacher named.
namespace pdffile {

// The name with ".pdf" added when it does not end so (in any case).
QString withPdfSuffix(const QString &name);

// Where the save dialog opens: the documents folder, or home when there is
// none.
QString defaultFolder();

// Why a save failed, in Italian, from the system's error number.
QString reason(int systemError);
QString failureMessage(const QString &path, const QString &reason);

struct Saved
{
    bool ok = false;
    QString message; // failureMessage() when !ok
};

// Writes the document whole or not at all: it goes to a temporary file next
// to path that replaces path only once complete, so a failure leaves neither
// a partial file nor a changed old one.
Saved save(const QString &path, const QByteArray &document);

} // namespace pdffile
