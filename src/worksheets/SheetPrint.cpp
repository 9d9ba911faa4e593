// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/SheetPrint.h"

#include <QCoreApplication>

#include <algorithm>

QString sheet::nameLine()
{
    return QCoreApplication::translate("Sheet", "Nome e Cognome   ");
}

QString sheet::instruction()
{
    return QCoreApplication::translate("Sheet",
                                       "Scrivi il segno di relazione ra i due insiemi: < = >");
}

QString sheet::problemMessage()
{
    return QCoreApplication::translate("Sheet", "Problema di stampa nella stampante utilizzata.");
}

QString sheet::solutionsTitle()
{
    return QCoreApplication::translate("Sheet", "Soluzioni");
}

QString sheet::footerText(int number, int count)
{
    return QCoreApplication::translate("Sheet", "Scheda %1 di %2").arg(number).arg(count);
}

int sheet::footerTop(int areaHeight)
{
    // The line's text is about 210 twips high at 9 points: it ends a little
    // above the area's bottom edge.
    constexpr int fromBottom = 260;
    return std::max(areaHeight, classSetHeight) - fromBottom;
}

int sheet::SolutionsLayout::columnLeft(int column)
{
    int x = left;
    for (int c = 0; c < column && c < columnCount; ++c)
        x += columnWidths[c];
    return x;
}

QStringList sheet::SolutionsLayout::headings()
{
    return {QCoreApplication::translate("Sheet", "Scheda"),
            QCoreApplication::translate("Sheet", "Esercizio 1"),
            QCoreApplication::translate("Sheet", "Esercizio 2"),
            QCoreApplication::translate("Sheet", "Esercizio 3"),
            QCoreApplication::translate("Sheet", "Esercizio 4")};
}

int sheet::SolutionsLayout::centredLeft(int cellLeft, int cellWidth, const QString &text)
{
    // Estimated rather than measured, so that the table stands the same
    // whatever fonts the machine has: an average character of a sans-serif
    // font is about 0.55 em wide, near enough for digits, signs and the
    // short headings.
    const int estimatedWidth = qRound(static_cast<double>(text.size()) * 0.55 * fontSize * 20);
    return cellLeft + (cellWidth - estimatedWidth) / 2;
}

int sheet::classSetSteps(int sheets, bool withSolutions)
{
    return sheets + (withSolutions ? 1 : 0) + 1;
}
