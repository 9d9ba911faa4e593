// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "worksheets/SheetPrint.h"

#include <QByteArray>
#include <QRectF>

class ClassSet;
class FigureCatalogue;
class QPainter;
class Worksheet;

// The printed pages, painted in twips from the printable area's top-left
// corner: the same painting goes to the printer, to a PDF file, into a
// class set, the documentation's pictures and the tests.
namespace sheet {

// A picture's pixel on paper: a picture is printed at its own size.
constexpr int twipsPerPixel = 15;

// The page "STAMPA" prints: the header, the four exercises' boxes and the
// picture of every place; places never composed print nothing.
void paintSheet(QPainter &painter, const Worksheet &worksheet, FigureCatalogue &figures);
// A class set's footer "Scheda k di N" at the bottom of a printable area
// areaHeight twips high.
void paintFooter(QPainter &painter, int number, int count, int areaHeight);
// The solutions page: a row per sheet with the sign of each exercise.
void paintSolutions(QPainter &painter, const ClassSet &set);

// The page "STAMPA" prints as a one-page PDF for printableArea (points);
// empty when the document could not be made.
QByteArray sheetPdf(const Worksheet &worksheet, FigureCatalogue &figures,
                    const QRectF &printableArea, const QString &title);

enum class DocumentResult { Ready, Failed, Stopped };

struct ClassSetPdf
{
    DocumentResult result = DocumentResult::Failed;
    QByteArray pdf; // the whole set, only when Ready
};

// A class set as one PDF: each sheet's page with its footer, then the
// solutions when asked. The set goes whole or not at all: after a failure
// or a stop there is no document to hand on.
ClassSetPdf classSetPdf(const ClassSet &set, bool withSolutions, FigureCatalogue &figures,
                        const QRectF &printableArea, const QString &title,
                        const Progress &progress);

} // namespace sheet
