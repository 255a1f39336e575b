// How to reach the program's support: the one place of the address that the
// error report and the about box use.
#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace vorn {

inline constexpr char SupportAddress[] = "support@vorn.example";

// "mailto:" + SupportAddress + "?subject=" + subject + "&body=" + body, with
// subject and body percent-encoded as UTF-8 (every character but the
// unreserved ones of RFC 3986), so blanks, line breaks, '&', '=', '#', '?'
// and Cyrillic letters arrive as written. Line breaks in body should be
// "\r\n" (RFC 6068).
inline QUrl SupportMailLink(const QString& subject, const QString& body) {
    const QByteArray link = QByteArray("mailto:") + SupportAddress + "?subject=" + QUrl::toPercentEncoding(subject) +
                            "&body=" + QUrl::toPercentEncoding(body);
    return QUrl::fromEncoded(link, QUrl::StrictMode);
}

}  // namespace vorn
