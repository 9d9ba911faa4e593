// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/QueueAddress.h"

#include <QUrl>

std::optional<QueueAddress> QueueAddress::forQueue(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return std::nullopt;
    const QByteArray utf8 = name.toUtf8();
    // Lone surrogates do not survive the way to UTF-8 and back.
    if (QString::fromUtf8(utf8) != name)
        return std::nullopt;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || c == '?' || c == '#' || byte < 0x20 || byte == 0x7f)
            return std::nullopt;
    }
    const QByteArray segment = utf8.toPercentEncoding();
    QueueAddress address;
    address.uri = QByteArrayLiteral("ipp://localhost/printers/") + segment;
    address.resource = QByteArrayLiteral("/printers/") + utf8;
    if (address.uri.size() > maxUriLength)
        return std::nullopt;

    // The URI must read back as exactly this queue: ipp on localhost, the
    // two segments, nothing after the path.
    const QUrl url(QString::fromLatin1(address.uri), QUrl::StrictMode);
    if (!url.isValid() || url.scheme() != QLatin1String("ipp")
        || url.host() != QLatin1String("localhost") || url.port() != -1 || !url.userInfo().isEmpty()
        || url.hasQuery() || url.hasFragment()
        || url.path(QUrl::FullyEncoded).toLatin1() != QByteArrayLiteral("/printers/") + segment
        || QByteArray::fromPercentEncoding(segment) != utf8)
        return std::nullopt;
    return address;
}
