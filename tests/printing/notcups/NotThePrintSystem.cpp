// SPDX-License-Identifier: GPL-3.0-or-later
// Stands in for the print system's library under its file name, with none of
// its functions.
extern "C" int gliNotThePrintSystem()
{
    return 0;
}
