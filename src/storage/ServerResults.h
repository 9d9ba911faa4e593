// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/ResultsSender.h"
#include "storage/ServerSettings.h"

#include <QDateTime>

class QObject;
class ResultsService;

// For the results screen: where its rows come from, and when this computer
// last sent its answers there (an invalid time: never yet).
QString serverResultsText(const QString &location, const QDateTime &lastSent);

// The results service the settings ask for: the local file alone when no
// server is set; otherwise the server's summaries and a sender (a child of
// the service) that takes every answer there, telling the service the time
// of each send and what keeps answers waiting.
ResultsService *makeResultsService(const ServerSettings &server, QObject *parent = nullptr);
ResultsService *makeResultsService(const QString &localFile, const ServerSettings &server,
                                   QObject *parent = nullptr);
ResultsService *makeResultsService(const QString &localFile, const ServerSettings &server,
                                   const ResultsSender::Timing &timing, QObject *parent = nullptr);
