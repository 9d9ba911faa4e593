// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The tables of the results, the same for the local file and a server: ids
// as text, times as UTC milliseconds since the epoch, days as the local ISO
// date where the answer was given, seconds as a double. The version is kept
// in the table meta under the name schema_version.
namespace results_schema {

inline constexpr int currentVersion = 2;

// Makes the tables and indexes of the current version where none are.
QStringList createStatements();
// Moves the tables from `version` to version + 1; after these the mistakes
// of the answers kept before are worked out (older versions lacked them).
QStringList upgradeStatements(int version);

} // namespace results_schema
