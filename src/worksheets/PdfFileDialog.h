// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace pdffile {

// Qt's own save dialog for a PDF file, the same on every desktop: it opens
// in folder with proposedName, adds ".pdf" to a name without it and asks
// before an existing file is replaced. The file's name, or an empty one when
// the teacher gave none.
QString askFileName(QWidget *parent, const QString &title, const QString &folder,
                    const QString &proposedName);

} // namespace pdffile
