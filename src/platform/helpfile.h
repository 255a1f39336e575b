// The help file "help.hlp": reading and looking up its topics. The format is
// ours and is described in help/FORMAT.md; in short:
//
//     VORN-HELP 1
//     ; a comment line
//     @topic contents
//     @title Содержание
//     @keyword Справка
//     <p>Body in a small HTML subset, with <a href="topic:wires">links</a>.</p>
//
// The first topic is the contents. No Qt widgets here: the viewer window is
// helpwindow.h, the entry points helpviewer.h.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace vorn {

struct HelpTopic {
    QString id;           // one word without blanks, unique in the file
    QString title;        // plain text
    QStringList keywords; // plain texts, looked up without regard to case
    QString body;         // the HTML subset of FORMAT.md, as written
    QStringList links;    // the topic ids its body links to, in order
    int line = 0;         // the line of its "@topic" in the file (from 1)
};

struct HelpDocument {
    QList<HelpTopic> topics;  // in file order; never empty once parsed

    // The first topic, or nullptr for an empty document.
    const HelpTopic* Contents() const;
    // The topic with exactly this id, or nullptr.
    const HelpTopic* TopicById(const QString& id) const;
    // The first topic, in file order, that lists the keyword; keywords match
    // when they are equal apart from case and surrounding blanks.
    const HelpTopic* TopicByKeyword(const QString& keyword) const;
};

struct HelpParseResult {
    bool ok = false;
    HelpDocument document;  // complete only when ok
    int errorLine = 0;      // the first faulty line (from 1), when not ok
    QString error;          // what is wrong there, translated, when not ok
};

// Parses the bytes of a help file (UTF-8, optional byte-order mark, LF or
// CR LF line ends). Refuses the whole file at its first fault.
HelpParseResult ParseHelpText(const QByteArray& bytes);

enum class HelpLoadStatus { Loaded, Missing, Unreadable, Damaged };

struct HelpLoadResult {
    HelpLoadStatus status = HelpLoadStatus::Missing;
    HelpDocument document;  // when Loaded
    QString message;        // a sentence for the user, translated, when not Loaded
};

// Reads and parses the file. Never throws for a missing, unreadable, too
// large or damaged file: it says so in the result.
HelpLoadResult LoadHelpFile(const QString& path);

// The faults that do not stop a file from loading but that a correct help
// file must not have: links to topics that do not exist. One text per fault.
QStringList CheckHelpLinks(const HelpDocument& document);

// The topic id the program uses for a message: the message text
// with every blank removed.
QString HelpTopicIdForMessage(const QString& message);

// The HTML the viewer shows for a topic: its title as a heading, then its
// body.
QString HelpTopicHtml(const HelpTopic& topic);

// The scheme of links between topics: href="topic:ID".
inline constexpr char kHelpLinkScheme[] = "topic";

}  // namespace vorn
