// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/SheetPrint.h"

#include "worksheets/ClassSet.h"
#include "worksheets/Worksheet.h"

#include <algorithm>
#include <array>

namespace {
constexpr std::array<int, 5> leftColumnsFirst{830, 1600, 2400, 3200, 4000};
constexpr std::array<int, 5> leftColumns{830, 1630, 2430, 3230, 4030};
constexpr std::array<int, 5> rightColumns{6830, 7630, 8430, 9230, 10030};
constexpr std::array<int, 3> rowOffsets{200, 1150, 2100};
constexpr int boxHeight = 3100;

bool drawBox(SheetDevice &device, int left, int right, int top)
{
    const int bottom = top + boxHeight;
    const quint32 c = sheet::lineColour;
    return device.drawLine({left, top}, {right, top}, c)
           && device.drawLine({left, top}, {left, bottom}, c)
           && device.drawLine({right, top}, {right, bottom}, c)
           && device.drawLine({left, bottom}, {right, bottom}, c);
}

bool paintSet(const Worksheet &worksheet, Worksheet::Side side, int exercise,
              SheetDevice &device, const sheet::PictureSize &pictureSize, int &painted)
{
    for (int slot = 1; slot <= Worksheet::slotCount; ++slot) {
        const int picture = worksheet.place(side, Worksheet::placeIndex(exercise, slot)).picture;
        if (picture == Worksheet::noPicture)
            continue;
        const QPoint at = sheet::slotPosition(exercise, side == Worksheet::Side::Left, slot);
        if (!device.paintPicture(picture, pictureSize(picture), at))
            return false;
        ++painted;
    }
    return true;
}

bool printHeader(SheetDevice &device)
{
    return device.setPrintPosition(1000, 1000) && device.setFontSize(14)
           && device.printText(sheet::nameLine) && device.setPrintPosition(1000, 1500)
           && device.setFontSize(12) && device.printText(sheet::instruction);
}

bool printBody(const Worksheet &worksheet, SheetDevice &device,
               const sheet::PictureSize &pictureSize, int &painted)
{
    if (!device.setLineWidth(sheet::lineWidth))
        return false;
    for (int e = 1; e <= Worksheet::exerciseCount; ++e) {
        const int top = sheet::exerciseTop(e);
        if (!drawBox(device, 500, 5500, top)
            || !paintSet(worksheet, Worksheet::Side::Left, e, device, pictureSize, painted)
            || !drawBox(device, 6000, 11000, top)
            || !paintSet(worksheet, Worksheet::Side::Right, e, device, pictureSize, painted))
            return false;
    }
    return true;
}
} // namespace

QPoint sheet::slotPosition(int exercise, bool leftSet, int slot)
{
    const int column = (slot - 1) % 5;
    const int row = (slot - 1) / 5;
    const auto &columns = !leftSet ? rightColumns : exercise == 1 ? leftColumnsFirst : leftColumns;
    return {columns[column], exerciseTop(exercise) + rowOffsets[row]};
}

sheet::Outcome sheet::drawPage(const Worksheet &worksheet, SheetDevice &device,
                               const PictureSize &pictureSize)
{
    Outcome outcome;
    outcome.headerFailed = !printHeader(device);
    outcome.bodyFailed = !printBody(worksheet, device, pictureSize, outcome.picturesPainted);
    return outcome;
}

sheet::Outcome sheet::print(const Worksheet &worksheet, SheetDevice &device,
                            const PictureSize &pictureSize, const Report &report)
{
    // The header's failure is told before the body is tried.
    Outcome outcome;
    if (!printHeader(device)) {
        outcome.headerFailed = true;
        report(problemMessage);
    }
    outcome.bodyFailed = !printBody(worksheet, device, pictureSize, outcome.picturesPainted);
    if (!device.endDocument()) {
        outcome.endFailed = true;
        // The teacher hears of a failed print once.
        if (!outcome.headerFailed)
            report(problemMessage);
    }
    return outcome;
}

QString sheet::footerText(int number, int count)
{
    return QStringLiteral("Scheda %1 di %2").arg(number).arg(count);
}

int sheet::footerTop(int areaHeight)
{
    // The line's text is about 210 twips high at 9 points: it ends a little
    // above the area's bottom edge.
    constexpr int fromBottom = 260;
    return std::max(areaHeight, classSetHeight) - fromBottom;
}

bool sheet::printFooter(SheetDevice &device, int number, int count, int areaHeight)
{
    return device.setFontSize(footerFontSize)
           && device.setPrintPosition(footerLeft, footerTop(areaHeight))
           && device.printText(footerText(number, count));
}

int sheet::SolutionsLayout::columnLeft(int column)
{
    int x = left;
    for (int c = 0; c < column && c < 5; ++c)
        x += columnWidths[c];
    return x;
}

QStringList sheet::SolutionsLayout::headings()
{
    return {QStringLiteral("Scheda"), QStringLiteral("Esercizio 1"), QStringLiteral("Esercizio 2"),
            QStringLiteral("Esercizio 3"), QStringLiteral("Esercizio 4")};
}

int sheet::SolutionsLayout::centredLeft(int cellLeft, int cellWidth, const QString &text)
{
    // The device cannot measure text: an average character of the printer's
    // sans-serif font is about 0.55 em wide, near enough for digits, signs
    // and the short headings.
    const int estimatedWidth = qRound(static_cast<double>(text.size()) * 0.55 * fontSize * 20);
    return cellLeft + (cellWidth - estimatedWidth) / 2;
}

namespace {
bool printCell(SheetDevice &device, int row, int column, const QString &text)
{
    using L = sheet::SolutionsLayout;
    const int x = L::centredLeft(L::columnLeft(column), L::columnWidths[column], text);
    return device.setPrintPosition(x, L::rowTop(row) + L::textInset) && device.printText(text);
}

bool printRule(SheetDevice &device, int width, int y)
{
    using L = sheet::SolutionsLayout;
    return device.setLineWidth(width)
        && device.drawLine({ L::left, y }, { L::right(), y }, sheet::lineColour);
}
} // namespace

bool sheet::printSolutions(const ClassSet &set, SheetDevice &device)
{
    using L = SolutionsLayout;
    if (!device.setPrintPosition(L::titleAt.x(), L::titleAt.y())
        || !device.setFontSize(L::titleFontSize) || !device.printText(solutionsTitle)
        || !device.setFontSize(L::fontSize))
        return false;

    const QStringList headings = L::headings();
    for (int c = 0; c < 5; ++c) {
        if (!printCell(device, 0, c, headings[c]))
            return false;
    }
    for (int n = 1; n <= set.count(); ++n) {
        if (!printCell(device, n, 0, QString::number(n)))
            return false;
        for (int e = 1; e <= Worksheet::exerciseCount; ++e) {
            if (!printCell(device, n, e, set.sheet(n).answer(e)))
                return false;
        }
    }

    // Thin rules between the rows, firm ones round the table, under the
    // headings and after every fifth sheet.
    const int bottom = L::bottom(set.count());
    for (int row = 1; row <= set.count(); ++row) {
        const bool firm = (row - 1) % L::groupRows == 0;
        if (!printRule(device, firm ? L::firmLineWidth : L::thinLineWidth, L::rowTop(row)))
            return false;
    }
    if (!printRule(device, L::firmLineWidth, L::top)
        || !printRule(device, L::firmLineWidth, bottom))
        return false;
    for (int c = 0; c <= 5; ++c) {
        const int x = L::columnLeft(c);
        if (!device.setLineWidth(c == 0 || c == 1 || c == 5 ? L::firmLineWidth : L::thinLineWidth)
            || !device.drawLine({x, L::top}, {x, bottom}, lineColour))
            return false;
    }
    return true;
}

int sheet::classSetSteps(int sheets, bool withSolutions)
{
    return sheets + (withSolutions ? 1 : 0) + 1;
}

sheet::DocumentResult sheet::printClassSet(const ClassSet &set, bool withSolutions,
                                           SheetDevice &device, const PictureSize &pictureSize,
                                           int areaHeight, const Progress &progress)
{
    const int total = classSetSteps(set.count(), withSolutions);
    int done = 0;
    auto goOn = [&] { return !progress || progress(done++, total); };

    for (int n = 1; n <= set.count(); ++n) {
        if (!goOn())
            return DocumentResult::Stopped;
        if (n > 1 && !device.newPage())
            return DocumentResult::Failed;
        const Outcome page = drawPage(set.sheet(n), device, pictureSize);
        if (page.headerFailed || page.bodyFailed
            || !printFooter(device, n, set.count(), areaHeight))
            return DocumentResult::Failed;
    }
    if (withSolutions) {
        if (!goOn())
            return DocumentResult::Stopped;
        if (!device.newPage() || !printSolutions(set, device))
            return DocumentResult::Failed;
    }
    if (!goOn())
        return DocumentResult::Stopped;
    return device.endDocument() ? DocumentResult::Delivered : DocumentResult::Failed;
}
