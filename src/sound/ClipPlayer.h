// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// Plays clips one after another. Qt Multimedia stays out of the program: the
// player lives in a module of its own (gli-insiemi-sound), opened the first
// time something is said. Every call comes from the one thread that made
// the player, which runs an event loop.
class ClipPlayer
{
public:
    virtual ~ClipPlayer() = default;

    // Cuts off what is playing and plays `files` one after another; then
    // calls done. A file that cannot be played is reported and skipped.
    virtual void play(const QStringList &files, std::function<void()> done) = 0;
    // Cuts off what is playing; done is not called.
    virtual void stop() = 0;
};

// What the module gives: a player, or why there can be none (no sound
// server, no device).
class ClipPlayerFactory
{
public:
    using Report = std::function<void(const QString &problem)>;

    virtual ~ClipPlayerFactory() = default;
    // report is called, on the player's thread, for each file skipped.
    virtual std::unique_ptr<ClipPlayer> create(Report report, QString *error) = 0;
};

#define ClipPlayerFactory_iid "org.example.GliInsiemi.ClipPlayerFactory/1"
Q_DECLARE_INTERFACE(ClipPlayerFactory, ClipPlayerFactory_iid)
