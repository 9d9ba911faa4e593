// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

// The printed sheet's layout and texts. Coordinates are twips from the
// top-left corner of the printable area; font sizes are points.
namespace sheet {

QString nameLine();
QString instruction();
QString problemMessage();

constexpr QPoint nameLineAt{1000, 1000};
constexpr double nameLineFontSize = 14;
constexpr QPoint instructionAt{1000, 1500};
constexpr double instructionFontSize = 12;

// In dots of a 600-dpi printer, so that the boxes' edges are firm lines.
constexpr int lineWidth = 3;
// The drawing's extent: the right edge of the right boxes and the bottom of
// the last ones.
constexpr int width = 11000;
constexpr int height = 15600;

constexpr int leftBoxLeft = 500;
constexpr int leftBoxRight = 5500;
constexpr int rightBoxLeft = 6000;
constexpr int rightBoxRight = 11000;
constexpr int boxHeight = 3100;

// Top of exercise e (1 to 4).
constexpr int exerciseTop(int exercise)
{
    return 2000 + 3500 * (exercise - 1);
}

// Top-left corners of slots 1 to 15 of each exercise's set; the first
// exercise's left set has columns of its own.
// clang-format off
inline constexpr std::array<std::array<QPoint, 15>, 4> paperLeftSetSlots{{
    {{{830, 2200},  {1600, 2200}, {2400, 2200}, {3200, 2200}, {4000, 2200},
      {830, 3150},  {1600, 3150}, {2400, 3150}, {3200, 3150}, {4000, 3150},
      {830, 4100},  {1600, 4100}, {2400, 4100}, {3200, 4100}, {4000, 4100}}},
    {{{830, 5700},  {1630, 5700}, {2430, 5700}, {3230, 5700}, {4030, 5700},
      {830, 6650},  {1630, 6650}, {2430, 6650}, {3230, 6650}, {4030, 6650},
      {830, 7600},  {1630, 7600}, {2430, 7600}, {3230, 7600}, {4030, 7600}}},
    {{{830, 9200},  {1630, 9200}, {2430, 9200}, {3230, 9200}, {4030, 9200},
      {830, 10150}, {1630, 10150}, {2430, 10150}, {3230, 10150}, {4030, 10150},
      {830, 11100}, {1630, 11100}, {2430, 11100}, {3230, 11100}, {4030, 11100}}},
    {{{830, 12700}, {1630, 12700}, {2430, 12700}, {3230, 12700}, {4030, 12700},
      {830, 13650}, {1630, 13650}, {2430, 13650}, {3230, 13650}, {4030, 13650},
      {830, 14600}, {1630, 14600}, {2430, 14600}, {3230, 14600}, {4030, 14600}}},
}};
inline constexpr std::array<std::array<QPoint, 15>, 4> paperRightSetSlots{{
    {{{6830, 2200}, {7630, 2200}, {8430, 2200}, {9230, 2200}, {10030, 2200},
      {6830, 3150}, {7630, 3150}, {8430, 3150}, {9230, 3150}, {10030, 3150},
      {6830, 4100}, {7630, 4100}, {8430, 4100}, {9230, 4100}, {10030, 4100}}},
    {{{6830, 5700}, {7630, 5700}, {8430, 5700}, {9230, 5700}, {10030, 5700},
      {6830, 6650}, {7630, 6650}, {8430, 6650}, {9230, 6650}, {10030, 6650},
      {6830, 7600}, {7630, 7600}, {8430, 7600}, {9230, 7600}, {10030, 7600}}},
    {{{6830, 9200}, {7630, 9200}, {8430, 9200}, {9230, 9200}, {10030, 9200},
      {6830, 10150}, {7630, 10150}, {8430, 10150}, {9230, 10150}, {10030, 10150},
      {6830, 11100}, {7630, 11100}, {8430, 11100}, {9230, 11100}, {10030, 11100}}},
    {{{6830, 12700}, {7630, 12700}, {8430, 12700}, {9230, 12700}, {10030, 12700},
      {6830, 13650}, {7630, 13650}, {8430, 13650}, {9230, 13650}, {10030, 13650},
      {6830, 14600}, {7630, 14600}, {8430, 14600}, {9230, 14600}, {10030, 14600}}},
}};
// clang-format on

// A class set: each sheet's page with a footer "Scheda k di N" at the bottom
// of the printable area, then, when asked, a page of solutions.

QString solutionsTitle();
QString footerText(int number, int count);

constexpr double footerFontSize = 9;
// The band below the boxes that the footer needs: a class set's page is
// this much taller than the sheet.
constexpr int footerBand = 300;
constexpr int classSetHeight = height + footerBand;
constexpr int footerLeft = 500;

// Top of the footer's line on a printable area areaHeight twips high (in the
// drawing's twips): as low as the area allows, never over the boxes.
int footerTop(int areaHeight);

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
    static constexpr int columnCount = 5;
    // The sheet's number, then exercises 1 to 4.
    static constexpr int columnWidths[columnCount] = {1800, 2000, 2000, 2000, 2000};
    // From a row's top to the top of its text.
    static constexpr int textInset = 30;
    // A firm line after every fifth sheet helps the eye along the rows.
    static constexpr int groupRows = 5;
    static constexpr int thinLineWidth = 1;
    static constexpr int firmLineWidth = 2 * lineWidth;

    static int columnLeft(int column);
    static int right() { return columnLeft(columnCount); }
    static int rowTop(int row) { return top + row * rowHeight; } // row 0 the headings
    static int bottom(int sheets) { return rowTop(sheets + 1); }
    static QStringList headings();
    // Left edge of text that stands about centred in a cell.
    static int centredLeft(int cellLeft, int cellWidth, const QString &text);
};

// Told before each page and before the hand-off: steps done, steps in all.
// Answers false to stop.
using Progress = std::function<bool(int done, int total)>;

int classSetSteps(int sheets, bool withSolutions);

} // namespace sheet
