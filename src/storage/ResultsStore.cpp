// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/ResultsStore.h"

Q_LOGGING_CATEGORY(lcResults, "gli.results")

void ResultsStore::setProblem(const QString &text)
{
    if (text.isEmpty() || text == m_problem)
        return;
    m_problem = text;
    qCWarning(lcResults).noquote() << text;
}
