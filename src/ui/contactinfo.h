// How to reach the program's support: the one place of the addresses that the
// error report and the about box use.
#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace vorn {

inline constexpr char SupportAddress[] = "support@vorn.example";

// The web site and the messenger number the about box shows, and the pages
// its links open (the messenger page starts a chat with that number).
inline constexpr char WebAddress[] = "www.vorn.example";
inline constexpr char WebLink[] = "https://www.vorn.example/";
inline constexpr char MessengerNumber[] = "+7 900 555-01-23";
inline constexpr char MessengerLink[] = "https://www.vorn.example/chat";

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
