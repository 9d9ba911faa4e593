// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Curtains.h"

#include <algorithm>

void Curtains::close(double halfOuterWidth)
{
    setWidths(halfOuterWidth, halfOuterWidth);
}

void Curtains::setWidths(double left, double right)
{
    m_left = std::max(0.0, left);
    m_right = std::max(0.0, right);
}

bool Curtains::step()
{
    m_left = std::max(0.0, m_left - stepTwips);
    m_right = std::max(0.0, m_right - stepTwips);
    return !isOpen();
}
