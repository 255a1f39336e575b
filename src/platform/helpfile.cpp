#include "helpfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>

namespace vorn {

namespace {

// The reader's messages are shown to the user, in the program's language.
struct HelpFileText {
    Q_DECLARE_TR_FUNCTIONS(HelpFileText)
};

constexpr qint64 kMaxHelpFileSize = 8 * 1024 * 1024;
const QString kSignature = QStringLiteral("VORN-HELP");
constexpr int kVersion = 1;

bool SameKeyword(const QString& a, const QString& b) {
    return QString::compare(a.trimmed(), b.trimmed(), Qt::CaseInsensitive) == 0;
}

// An id is one word: no white space and none of the characters that would
// end an attribute or start markup.
bool IsValidTopicId(const QString& id) {
    if (id.isEmpty()) return false;
    for (QChar c : id) {
        if (c.isSpace() || c == u'"' || c == u'<' || c == u'>' || c == u'&') return false;
    }
    return true;
}

const QSet<QString>& AllowedTags() {
    static const QSet<QString> tags = {
        QStringLiteral("p"),  QStringLiteral("br"),     QStringLiteral("b"),     QStringLiteral("i"),
        QStringLiteral("u"),  QStringLiteral("em"),     QStringLiteral("strong"), QStringLiteral("code"),
        QStringLiteral("tt"), QStringLiteral("kbd"),    QStringLiteral("h3"),    QStringLiteral("h4"),
        QStringLiteral("ul"), QStringLiteral("ol"),     QStringLiteral("li"),    QStringLiteral("table"),
        QStringLiteral("tr"), QStringLiteral("th"),     QStringLiteral("td"),    QStringLiteral("hr"),
        QStringLiteral("a"),
    };
    return tags;
}

const QSet<QString>& AllowedEntities() {
    static const QSet<QString> names = {QStringLiteral("amp"), QStringLiteral("lt"), QStringLiteral("gt"),
                                        QStringLiteral("quot"), QStringLiteral("nbsp"), QStringLiteral("mdash"),
                                        QStringLiteral("ndash"), QStringLiteral("laquo"), QStringLiteral("raquo")};
    return names;
}

bool IsAsciiLetterOrDigit(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

// Checks the attributes of an <a> tag: exactly href="topic:ID". Gives the id,
// or an error text.
bool ParseLinkAttributes(QStringView attributes, QString& id, QString& error) {
    const QString text = attributes.trimmed().toString();
    const QString prefix = QStringLiteral("href=\"") + QLatin1String(kHelpLinkScheme) + u':';
    if (!text.startsWith(prefix) || !text.endsWith(u'"') || text.size() <= prefix.size()) {
        error = HelpFileText::tr("ссылка должна иметь вид <a href=\"topic:ИМЯ\">");
        return false;
    }
    id = text.mid(prefix.size(), text.size() - prefix.size() - 1);
    if (!IsValidTopicId(id)) {
        error = HelpFileText::tr("неверное имя темы в ссылке: «%1»").arg(id);
        return false;
    }
    return true;
}

// Checks one body line against the markup subset; collects link targets.
bool CheckBodyLine(const QString& line, QStringList& links, QString& error) {
    const qsizetype n = line.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = line[i];
        if (c == u'<') {
            const qsizetype close = line.indexOf(u'>', i + 1);
            if (close < 0) {
                error = HelpFileText::tr("тег не закрыт в той же строке");
                return false;
            }
            QStringView inside = QStringView(line).mid(i + 1, close - i - 1);
            bool closing = false;
            if (inside.startsWith(u'/')) {
                closing = true;
                inside = inside.mid(1);
            }
            qsizetype nameEnd = 0;
            while (nameEnd < inside.size() && IsAsciiLetterOrDigit(inside[nameEnd])) ++nameEnd;
            const QString name = inside.left(nameEnd).toString().toLower();
            QStringView rest = inside.mid(nameEnd);
            if (name.isEmpty() || !AllowedTags().contains(name)) {
                error = HelpFileText::tr("недопустимый тег <%1>").arg(inside.toString());
                return false;
            }
            if ((name == u"br" || name == u"hr") && rest.trimmed() == u"/") rest = {};
            if (!rest.isEmpty() && !rest.front().isSpace()) {
                error = HelpFileText::tr("недопустимый тег <%1>").arg(inside.toString());
                return false;
            }
            if (closing || name != u"a") {
                if (!rest.trimmed().isEmpty()) {
                    error = HelpFileText::tr("тег <%1> не может иметь атрибутов").arg(name);
                    return false;
                }
            } else {
                QString id;
                if (!ParseLinkAttributes(rest, id, error)) return false;
                links.append(id);
            }
            i = close;
        } else if (c == u'&') {
            const qsizetype semicolon = line.indexOf(u';', i + 1);
            const QString entity = semicolon < 0 ? QString() : line.mid(i + 1, semicolon - i - 1);
            bool ok = false;
            if (entity.startsWith(QStringLiteral("#x")) || entity.startsWith(QStringLiteral("#X"))) {
                entity.mid(2).toUInt(&ok, 16);
            } else if (entity.startsWith(u'#')) {
                entity.mid(1).toUInt(&ok, 10);
            } else {
                ok = AllowedEntities().contains(entity);
            }
            if (!ok) {
                error = HelpFileText::tr("знак & должен начинать допустимую ссылку на символ, например &amp;amp;");
                return false;
            }
            i = semicolon;
        }
    }
    return true;
}

HelpParseResult Fail(int line, const QString& error) {
    HelpParseResult result;
    result.errorLine = line;
    result.error = error;
    return result;
}

}  // namespace

const HelpTopic* HelpDocument::Contents() const { return topics.isEmpty() ? nullptr : &topics.front(); }

const HelpTopic* HelpDocument::TopicById(const QString& id) const {
    for (const HelpTopic& topic : topics) {
        if (topic.id == id) return &topic;
    }
    return nullptr;
}

const HelpTopic* HelpDocument::TopicByKeyword(const QString& keyword) const {
    if (keyword.trimmed().isEmpty()) return nullptr;
    for (const HelpTopic& topic : topics) {
        for (const QString& own : topic.keywords) {
            if (SameKeyword(own, keyword)) return &topic;
        }
    }
    return nullptr;
}

HelpParseResult ParseHelpText(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) return Fail(0, HelpFileText::tr("файл не в кодировке UTF-8"));
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);

    QStringList lines = text.split(u'\n');
    for (QString& line : lines) {
        if (line.endsWith(u'\r')) line.chop(1);
    }

    // Signature.
    const QStringList signature = lines.value(0).simplified().split(u' ');
    if (signature.size() != 2 || signature[0] != kSignature)
        return Fail(1, HelpFileText::tr("нет первой строки «VORN-HELP 1»"));
    bool versionOk = false;
    const int version = signature[1].toInt(&versionOk);
    if (!versionOk || version != kVersion)
        return Fail(1, HelpFileText::tr("неизвестная версия формата: %1").arg(signature[1]));

    HelpParseResult result;
    QSet<QString> ids;
    HelpTopic* topic = nullptr;
    bool inHeader = false;
    bool sawTitle = false;
    QStringList body;

    auto finishTopic = [&]() -> bool {
        if (!topic) return true;
        if (!sawTitle) return false;
        while (!body.isEmpty() && body.back().trimmed().isEmpty()) body.removeLast();
        while (!body.isEmpty() && body.front().trimmed().isEmpty()) body.removeFirst();
        topic->body = body.join(u'\n');
        body.clear();
        return true;
    };

    for (qsizetype index = 1; index < lines.size(); ++index) {
        const int lineNumber = static_cast<int>(index) + 1;
        const QString& line = lines[index];
        if (line.startsWith(u';')) continue;

        if (line.startsWith(u'@')) {
            const qsizetype space = line.indexOf(u' ');
            const QString directive = space < 0 ? line : line.left(space);
            const QString argument = space < 0 ? QString() : line.mid(space + 1).trimmed();
            if (directive == u"@topic") {
                if (!finishTopic()) return Fail(topic->line, HelpFileText::tr("у темы «%1» нет строки @title").arg(topic->id));
                if (!IsValidTopicId(argument))
                    return Fail(lineNumber, HelpFileText::tr("неверное имя темы: «%1»").arg(argument));
                if (ids.contains(argument))
                    return Fail(lineNumber, HelpFileText::tr("тема «%1» уже есть в файле").arg(argument));
                ids.insert(argument);
                result.document.topics.append(HelpTopic{});
                topic = &result.document.topics.back();
                topic->id = argument;
                topic->line = lineNumber;
                inHeader = true;
                sawTitle = false;
                continue;
            }
            if (!topic) return Fail(lineNumber, HelpFileText::tr("строка до первой темы: %1").arg(line));
            if (!inHeader)
                return Fail(lineNumber, HelpFileText::tr("строка @ в тексте темы (пишите &#64;): %1").arg(line));
            if (directive == u"@title") {
                if (sawTitle) return Fail(lineNumber, HelpFileText::tr("второй заголовок темы"));
                if (argument.isEmpty()) return Fail(lineNumber, HelpFileText::tr("пустой заголовок темы"));
                topic->title = argument;
                sawTitle = true;
            } else if (directive == u"@keyword") {
                if (argument.isEmpty()) return Fail(lineNumber, HelpFileText::tr("пустое ключевое слово"));
                topic->keywords.append(argument);
            } else {
                return Fail(lineNumber, HelpFileText::tr("неизвестная строка: %1").arg(directive));
            }
            continue;
        }

        if (!topic) {
            if (line.trimmed().isEmpty()) continue;
            return Fail(lineNumber, HelpFileText::tr("текст до первой темы"));
        }
        if (inHeader) {
            if (!sawTitle) return Fail(topic->line, HelpFileText::tr("у темы «%1» нет строки @title").arg(topic->id));
            inHeader = false;
        }
        QString error;
        if (!CheckBodyLine(line, topic->links, error)) return Fail(lineNumber, error);
        body.append(line);
    }
    if (!finishTopic()) return Fail(topic->line, HelpFileText::tr("у темы «%1» нет строки @title").arg(topic->id));
    if (result.document.topics.isEmpty()) return Fail(0, HelpFileText::tr("в файле нет ни одной темы"));
    result.ok = true;
    return result;
}

HelpLoadResult LoadHelpFile(const QString& path) {
    HelpLoadResult result;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        result.status = HelpLoadStatus::Missing;
        result.message = HelpFileText::tr("Файл справки не найден:\n%1").arg(path);
        return result;
    }
    if (!info.isFile()) {
        result.status = HelpLoadStatus::Unreadable;
        result.message = HelpFileText::tr("Файл справки не удаётся прочитать:\n%1\nЭто не файл.").arg(path);
        return result;
    }
    if (info.size() > kMaxHelpFileSize) {
        result.status = HelpLoadStatus::Damaged;
        result.message = HelpFileText::tr("Файл справки повреждён:\n%1\nФайл слишком велик.").arg(path);
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = HelpLoadStatus::Unreadable;
        result.message = HelpFileText::tr("Файл справки не удаётся прочитать:\n%1\n%2").arg(path, file.errorString());
        return result;
    }
    const QByteArray bytes = file.read(kMaxHelpFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        result.status = HelpLoadStatus::Unreadable;
        result.message = HelpFileText::tr("Файл справки не удаётся прочитать:\n%1\n%2").arg(path, file.errorString());
        return result;
    }
    HelpParseResult parsed = ParseHelpText(bytes);
    if (!parsed.ok) {
        result.status = HelpLoadStatus::Damaged;
        result.message = parsed.errorLine > 0
                             ? HelpFileText::tr("Файл справки повреждён:\n%1\nСтрока %2: %3.").arg(path, QString::number(parsed.errorLine), parsed.error)
                             : HelpFileText::tr("Файл справки повреждён:\n%1\n%2.").arg(path, parsed.error);
        return result;
    }
    result.status = HelpLoadStatus::Loaded;
    result.document = std::move(parsed.document);
    return result;
}

QStringList CheckHelpLinks(const HelpDocument& document) {
    QStringList faults;
    for (const HelpTopic& topic : document.topics) {
        for (const QString& target : topic.links) {
            if (!document.TopicById(target))
                faults.append(HelpFileText::tr("тема «%1» ссылается на несуществующую тему «%2»").arg(topic.id, target));
        }
    }
    return faults;
}

QString HelpTopicIdForMessage(const QString& message) {
    QString id = message;
    id.remove(u' ');
    return id;
}

QString HelpTopicHtml(const HelpTopic& topic) {
    return QStringLiteral("<h2>%1</h2>\n%2").arg(topic.title.toHtmlEscaped(), topic.body);
}

}  // namespace vorn
