// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ProgramIcon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <array>

namespace {
// The window system picks among these; the larger theme sizes would only
// make the window's icon data heavier.
constexpr std::array sides{16, 32, 48, 64};

class ProgramIconEngine final : public QIconEngine
{
public:
    // A window's icon has one look, whatever the mode or state.
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = sideFor(size);
        QPixmap &kept = m_read[indexOf(side)];
        if (kept.isNull())
            kept.load(QStringLiteral(":/icon/%1x%1/apps/gli-insiemi.png").arg(side));
        if (kept.isNull() || !asksSmaller(size, side))
            return kept;
        return kept.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int side : sides)
            sizes.append(QSize(side, side));
        return sizes;
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = sideFor(size);
        const QSize rendered(side, side);
        return asksSmaller(size, side) ? rendered.scaled(size, Qt::KeepAspectRatio) : rendered;
    }

    QString key() const override { return QStringLiteral("gli-program-icon"); }
    QIconEngine *clone() const override { return new ProgramIconEngine(*this); }

private:
    // The smallest rendered size not smaller than asked, else the largest.
    static int sideFor(const QSize &size)
    {
        const int wanted = std::max(size.width(), size.height());
        for (int side : sides) {
            if (side >= wanted)
                return side;
        }
        return sides.back();
    }

    static bool asksSmaller(const QSize &size, int side)
    {
        return size.isValid() && !size.isEmpty() && (size.width() < side || size.height() < side);
    }

    static std::size_t indexOf(int side)
    {
        return static_cast<std::size_t>(std::find(sides.begin(), sides.end(), side)
                                        - sides.begin());
    }

    std::array<QPixmap, sides.size()> m_read;
};
} // namespace

QIcon programIcon()
{
    return QIcon(new ProgramIconEngine);
}
