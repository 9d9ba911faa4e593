// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A line that elides its middle when it does not fit, the whole text in its
// tooltip and accessible name: a long printer name or path keeps both ends.
class ElidingLabel final : public QLabel
{
public:
    explicit ElidingLabel(QWidget *parent);

    void setFullText(const QString &text);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void elide();

    QString m_full;
};
