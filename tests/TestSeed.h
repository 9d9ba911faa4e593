// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <random>

// The seed of a randomized run: a fixed one, so that every run of the suite
// takes the same path on any machine at any speed, unless GLI_TEST_SEED
// gives one (a number replays that run, "random" draws a fresh seed).
namespace testseed {

inline quint64 fromEnvironment(quint64 fixed)
{
    const QByteArray given = qgetenv("GLI_TEST_SEED").trimmed();
    if (given == "random") {
        std::random_device device;
        return (quint64(device()) << 32) ^ device();
    }
    bool ok = false;
    const quint64 value = given.toULongLong(&ok);
    return ok ? value : fixed;
}

} // namespace testseed
