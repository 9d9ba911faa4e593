#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QtGlobal>
#include <functional>

class Worksheet;

// The printer as the sheet sees it: the seven operations the sheet is made
// of. Coordinates are twips from the top-left corner of the printable area.
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

// Prints the sheet as one page. A failure in the header is reported and the
// body is still drawn; a failure in the body ends the document at once
// without a message; a document that could not be ended is reported too,
// and never a second time in the same print. Places never composed print
// nothing.
Outcome print(const Worksheet &worksheet, SheetDevice &device, const PictureSize &pictureSize,
              const Report &report);

} // namespace sheet
