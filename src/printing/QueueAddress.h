// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Where a request about one print queue goes. A queue's name is data from
// the print system (or from whoever set it up) and goes into a request only
// as one URL path segment: it can neither leave that segment nor name
// another queue.
struct QueueAddress
{
    // The printer-uri: "ipp://localhost/printers/<segment>", the name
    // percent-encoded but for letters, digits and "-._~".
    QByteArray uri;
    // The HTTP request's path, "/printers/<name>", as the print system's
    // library takes it: the library itself percent-encodes "%", spaces,
    // control characters and everything beyond ASCII when it writes the
    // request, and would encode an encoded path a second time.
    QByteArray resource;

    // The print system's library takes URIs and paths of at most this many
    // bytes, and cuts longer ones.
    static constexpr int maxUriLength = 1023;

    // Nothing for a name that cannot be one segment: empty, "." or "..",
    // holding "/", "?" or "#" (which the library would leave as they are)
    // or control characters (which the print server refuses in a request's
    // path; no print system takes any of these in a queue's name), not
    // valid text, or too long once encoded (a cut name may be another
    // queue's).
    static std::optional<QueueAddress> forQueue(const QString &name);
};
