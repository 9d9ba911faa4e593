// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ProportionalLayout.h"

#include <algorithm>

namespace {
float ratio(const std::optional<double> &value, double whole)
{
    if (!value || whole == 0.0)
        return 0.0f;
    return static_cast<float>(*value / whole);
}
} // namespace

void ProportionalLayout::capture(const QList<ElementBox> &elements, double clientWidth,
                                 double clientHeight)
{
    m_records = QList<RelativePlacement>(elements.size());
    m_kinds.clear();
    m_kinds.reserve(elements.size());
    for (qsizetype i = 0; i < elements.size(); ++i) {
        const ElementBox &e = elements.at(i);
        RelativePlacement &r = m_records[i];
        r.width = ratio(e.width, clientWidth);
        r.height = ratio(e.height, clientHeight);
        r.left = ratio(e.left, clientWidth);
        r.top = ratio(e.top, clientHeight);
        m_kinds.append(e.kind);
    }
}

bool ProportionalLayout::isMovable(ElementKind kind)
{
    switch (kind) {
    case ElementKind::Timer:
    case ElementKind::MenuItem:
    case ElementKind::ComboBox:
    case ElementKind::Line:
        return false;
    case ElementKind::Ordinary:
    case ElementKind::ScaledLine:
        break;
    }
    return true;
}

double ProportionalLayout::pictureScale(double clientWidth, double clientHeight, double designWidth,
                                        double designHeight)
{
    if (designWidth <= 0.0 || designHeight <= 0.0)
        return 1.0;
    return std::clamp(std::min(clientWidth / designWidth, clientHeight / designHeight), 0.0, 1.0);
}

void ProportionalLayout::apply(double clientWidth, double clientHeight,
                               const std::function<void(int, const Placement &)> &move) const
{
    const auto w = static_cast<float>(clientWidth);
    const auto h = static_cast<float>(clientHeight);
    for (qsizetype i = 0; i < m_records.size(); ++i) {
        if (!isMovable(m_kinds.at(i)))
            continue;
        const RelativePlacement &r = m_records.at(i);
        move(static_cast<int>(i), Placement{w * r.left, h * r.top, w * r.width, h * r.height});
    }
}
