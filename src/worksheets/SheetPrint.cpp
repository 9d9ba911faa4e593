#include "worksheets/SheetPrint.h"

#include "worksheets/Worksheet.h"

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

sheet::Outcome sheet::print(const Worksheet &worksheet, SheetDevice &device,
                            const PictureSize &pictureSize, const Report &report)
{
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
