// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <functional>

class ClassSet;
class Worksheet;

// The printer as the sheet sees it: the operations the sheet is made of.
// Coordinates are twips from the top-left corner of the printable area.
// Each operation answers false when the printer failed.
class SheetDevice
{
public:
    virtual ~SheetDevice() = default;

    virtual bool setPrintPosition(int x, int y) = 0;
    virtual bool setFontSize(double points) = 0;
    // Prints at the print position, text top there, and ends the line.
    virtual bool printText(const QString &text) = 0;
    virtual bool setLineWidth(int deviceUnits) = 0;
    virtual bool drawLine(QPoint from, QPoint to, quint32 rgb) = 0;
    // A catalogue picture of pixelSize pixels, top-left corner at topLeft.
    virtual bool paintPicture(int catalogueIndex, QSize pixelSize, QPoint topLeft) = 0;
    // Ends the page and starts the next one at its top-left corner; the font
    // size and the line width stay as they were.
    virtual bool newPage() = 0;
    virtual bool endDocument() = 0;
};

namespace sheet {

inline const QString nameLine = QStringLiteral("Nome e Cognome   ");
inline const QString instruction =
    QStringLiteral("Scrivi il segno di relazione ra i due insiemi: < = >");
inline const QString problemMessage =
    QStringLiteral("Problema di stampa nella stampante utilizzata.");

constexpr int lineWidth = 3;
constexpr quint32 lineColour = 0; // black
// The drawing's extent: the right edge of the right boxes and the bottom of
// the last ones.
constexpr int width = 11000;
constexpr int height = 15600;

// Top of exercise e (1 to 4).
constexpr int exerciseTop(int exercise)
{
    return 2000 + 3500 * (exercise - 1);
}

// Top-left corner of slot s (1 to 15) of exercise e on the paper.
QPoint slotPosition(int exercise, bool leftSet, int slot);

struct Outcome
{
    bool headerFailed = false;
    bool bodyFailed = false;
    bool endFailed = false;
    int picturesPainted = 0;
};

using PictureSize = std::function<QSize(int catalogueIndex)>;
using Report = std::function<void(const QString &message)>;

// Draws the sheet's page, header and body, without ending it: the page
// "STAMPA" prints, a saved sheet and every page of a class set. A failure in
// the header stops the header, one in the body the body.
Outcome drawPage(const Worksheet &worksheet, SheetDevice &device, const PictureSize &pictureSize);

// Prints the sheet as one page. A failure in the header is reported and the
// body is still drawn; a failure in the body ends the document at once
// without a message; a document that could not be ended is reported too,
// and never a second time in the same print. Places never composed print
// nothing.
Outcome print(const Worksheet &worksheet, SheetDevice &device, const PictureSize &pictureSize,
              const Report &report);

// A class set: each sheet's page with a footer "Scheda k di N" at the bottom
// of the printable area, then, when asked, a page of solutions.

inline const QString solutionsTitle = QStringLiteral("Soluzioni");

constexpr double footerFontSize = 9;
// The band below the boxes that the footer needs: a class set's page is
// this much taller than the sheet.
constexpr int footerBand = 300;
constexpr int classSetHeight = height + footerBand;
constexpr int footerLeft = 500;

QString footerText(int number, int count);
// Top of the footer's line on a printable area areaHeight twips high (in the
// drawing's twips): as low as the area allows, never over the boxes.
int footerTop(int areaHeight);
bool printFooter(SheetDevice &device, int number, int count, int areaHeight);

// The solutions page: a table with a row per sheet, the sheet's number and
// the sign of each of its four exercises.
struct SolutionsLayout
{
    static constexpr double titleFontSize = 14;
    static constexpr QPoint titleAt{1000, 1000};
    static constexpr double fontSize = 12;
    static constexpr int left = 1000;
    static constexpr int top = 1700;
    static constexpr int rowHeight = 330;
    // The sheet's number, then exercises 1 to 4.
    static constexpr int columnWidths[5] = {1800, 2000, 2000, 2000, 2000};
    // From a row's top to the top of its text.
    static constexpr int textInset = 30;
    // A firm line after every fifth sheet helps the eye along the rows.
    static constexpr int groupRows = 5;
    static constexpr int thinLineWidth = 1;
    static constexpr int firmLineWidth = 2 * lineWidth;

    static int columnLeft(int column);
    static int right() { return columnLeft(5); }
    static int rowTop(int row) { return top + row * rowHeight; } // row 0 the headings
    static int bottom(int sheets) { return rowTop(sheets + 1); }
    static QStringList headings();
    // Left edge of text that stands about centred in a cell.
    static int centredLeft(int cellLeft, int cellWidth, const QString &text);
};

bool printSolutions(const ClassSet &set, SheetDevice &device);

enum class DocumentResult { Delivered, Failed, Stopped };

// Told before each page and before the hand-off: steps done, steps in all.
// Answers false to stop.
using Progress = std::function<bool(int done, int total)>;

int classSetSteps(int sheets, bool withSolutions);

// Draws the whole class set as one document and ends it. The set goes whole
// or not at all: after a failure or a stop the document is never ended, so
// nothing is handed on; no message is given here.
DocumentResult printClassSet(const ClassSet &set, bool withSolutions, SheetDevice &device,
                             const PictureSize &pictureSize, int areaHeight,
                             const Progress &progress);

} // namespace sheet
