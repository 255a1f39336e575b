// The help file format, keyword and topic lookup, the viewer window, the
// message for a missing or damaged help file, and the shipped help/help.hlp
// with its English edition help/en/help.hlp.
#include <memory>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QStyle>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QXmlStreamReader>
#include <QtTest>

#include "cellgrid.h"
#include "circuitfile.h"
#include "dialogs.h"
#include "helpfile.h"
#include "helpviewer.h"
#include "helpwindow.h"
#include "programtitle.h"
#include "scripted_dialogs.h"

using namespace vorn;

namespace {

using vorn::test::ScriptedDialogs;

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

const char kSample[] =
    "VORN-HELP 1\n"
    "; comment before the first topic\n"
    "\n"
    "@topic contents\n"
    "@title Содержание\n"
    "@keyword Справка\n"
    "\n"
    "<p>See <a href=\"topic:wires\">wires</a> and <a href=\"topic:Ошибка:тест.\">the message</a>.</p>\n"
    "; a comment inside a body\n"
    "<p>A &amp; B &lt; C &#64; &#x41;<br/></p>\n"
    "\n"
    "@topic wires\n"
    "@title Рисование проводов\n"
    "@keyword Провода\n"
    "@keyword   Рисование   \n"
    "<ul>\n"
    "<li><b>Press</b> and <kbd>drag</kbd></li>\n"
    "</ul>\n"
    "@topic Ошибка:тест.\n"
    "@title Ошибка: тест.\n"
    "@keyword провода\n"
    "<p>Second topic with the keyword: never found by it.</p>\n";

QString SourceFile(const QString& relative) {
    return QFileInfo(QStringLiteral(__FILE__)).dir().absoluteFilePath(QStringLiteral("../../") + relative);
}

QString ShippedHelpFile() { return SourceFile(QStringLiteral("help/help.hlp")); }

// The translations of the given source texts in a translation file of the
// repository, every one found; an empty map when the file is not there.
QMultiHash<QString, QString> Translations(const QString& tsFile, const QStringList& sources) {
    QMultiHash<QString, QString> found;
    QFile file(SourceFile(tsFile));
    if (!file.open(QIODevice::ReadOnly)) return found;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("source")) source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && sources.contains(source))
            found.insert(source, xml.readElementText(QXmlStreamReader::IncludeChildElements));
    }
    return found;
}

const QStringList kHelpMessages = {
    QStringLiteral("Ошибка в файле: программа не может открыть файл."),
    QStringLiteral("Файл с таким именем не найден или не является файлом схем. Повторите попытку."),
    QStringLiteral("Параметры командной строки заданы не верно."),
};

}  // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        dialogs_.shown.clear();
        Dialogs::Install(&dialogs_);
        folder_ = std::make_unique<QTemporaryDir>();
    }
    void cleanup() {
        HelpViewer::CloseWindow();
        Dialogs::Install(nullptr);
    }

    void parsesTopicsBodiesAndEitherLineEnd() {
        const QByteArray crlf = QByteArray("\xEF\xBB\xBF") + QByteArray(kSample).replace("\n", "\r\n");
        for (const QByteArray& bytes : {QByteArray(kSample), crlf}) {
            const HelpParseResult result = ParseHelpText(bytes);
            QVERIFY2(result.ok, qPrintable(result.error));
            const QList<HelpTopic>& topics = result.document.topics;
            QCOMPARE(topics.size(), 3);
            QCOMPARE(result.document.Contents()->id, QStringLiteral("contents"));
            QCOMPARE(topics[0].title, QStringLiteral("Содержание"));
            QCOMPARE(topics[0].line, 4);
            QCOMPARE(topics[0].links, QStringList({QStringLiteral("wires"), QStringLiteral("Ошибка:тест.")}));
            QCOMPARE(topics[1].title, QStringLiteral("Рисование проводов"));
            QCOMPARE(topics[1].keywords, QStringList({QStringLiteral("Провода"), QStringLiteral("Рисование")}));
            QCOMPARE(topics[2].id, QStringLiteral("Ошибка:тест."));
            // Bodies lose comments and outer empty lines, and CR.
            QVERIFY(topics[0].body.startsWith(QStringLiteral("<p>See")));
            QVERIFY(topics[0].body.endsWith(QStringLiteral("<br/></p>")));
            QVERIFY(!topics[0].body.contains(QStringLiteral("comment")));
            QCOMPARE(topics[1].body, QStringLiteral("<ul>\n<li><b>Press</b> and <kbd>drag</kbd></li>\n</ul>"));
        }
    }

    void refusesDamagedFiles_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("line");
        const QByteArray head = "VORN-HELP 1\n";
        const QByteArray topic = "@topic a\n@title A\n";
        QTest::newRow("no signature") << QByteArray("@topic a\n@title A\n") << 1;
        QTest::newRow("empty file") << QByteArray() << 1;
        QTest::newRow("other version") << QByteArray("VORN-HELP 2\n") + topic << 1;
        QTest::newRow("no topics") << head + "; only a comment\n" << 0;
        QTest::newRow("text before the first topic") << head + "<p>x</p>\n" + topic << 2;
        QTest::newRow("directive before the first topic") << head + "@title A\n" + topic << 2;
        QTest::newRow("topic without title") << head + "@topic a\n<p>x</p>\n" << 2;
        QTest::newRow("last topic without title") << head + topic + "@topic b\n" << 4;
        QTest::newRow("two titles") << head + topic + "@title B\n" << 4;
        QTest::newRow("empty title") << head + "@topic a\n@title   \n" << 3;
        QTest::newRow("empty keyword") << head + topic + "@keyword\n" << 4;
        QTest::newRow("duplicate id") << head + topic + "@topic a\n@title B\n" << 4;
        QTest::newRow("empty id") << head + "@topic\n@title A\n" << 2;
        QTest::newRow("id with a quote") << head + "@topic a\"b\n@title A\n" << 2;
        QTest::newRow("unknown directive") << head + topic + "@see b\n" << 4;
        QTest::newRow("directive inside the body") << head + topic + "<p>x</p>\n@keyword K\n" << 5;
        QTest::newRow("unknown element") << head + topic + "<script>x</script>\n" << 4;
        QTest::newRow("attribute on p") << head + topic + "<p class=\"x\">x</p>\n" << 4;
        QTest::newRow("web link") << head + topic + "<a href=\"http://example.org\">x</a>\n" << 4;
        QTest::newRow("link without id") << head + topic + "<a href=\"topic:\">x</a>\n" << 4;
        QTest::newRow("tag across lines") << head + topic + "<a\nhref=\"topic:a\">x</a>\n" << 4;
        QTest::newRow("bare ampersand") << head + topic + "<p>A & B</p>\n" << 4;
        QTest::newRow("unknown entity") << head + topic + "<p>&copy;</p>\n" << 4;
        QTest::newRow("closing tag with attribute") << head + topic + "<p>x</p class=\"y\">\n" << 4;
        QTest::newRow("not UTF-8") << head + "@topic a\n@title \xC0\xFF\n" << 0;
    }
    void refusesDamagedFiles() {
        QFETCH(QByteArray, text);
        QFETCH(int, line);
        const HelpParseResult result = ParseHelpText(text);
        QVERIFY(!result.ok);
        QCOMPARE(result.errorLine, line);
        QVERIFY(!result.error.isEmpty());
    }

    void lookupByKeywordIgnoresCaseAndBlanksAndByIdIsExact() {
        const HelpDocument document = ParseHelpText(kSample).document;
        QCOMPARE(document.TopicByKeyword(QStringLiteral("  ПРОВОДА "))->id, QStringLiteral("wires"));  // the first of two
        QCOMPARE(document.TopicByKeyword(QStringLiteral("рисование"))->id, QStringLiteral("wires"));
        QCOMPARE(document.TopicByKeyword(QStringLiteral("справка"))->id, QStringLiteral("contents"));
        QVERIFY(!document.TopicByKeyword(QStringLiteral("Провод")));
        QVERIFY(!document.TopicByKeyword(QStringLiteral(" ")));
        QCOMPARE(document.TopicById(QStringLiteral("Ошибка:тест."))->title, QStringLiteral("Ошибка: тест."));
        QVERIFY(!document.TopicById(QStringLiteral("WIRES")));
        QVERIFY(!document.TopicById(QStringLiteral("Ошибка: тест.")));
        QCOMPARE(HelpTopicIdForMessage(QStringLiteral(" a b  c ")), QStringLiteral("abc"));
    }

    void checkFindsLinksToMissingTopics() {
        QVERIFY(CheckHelpLinks(ParseHelpText(kSample).document).isEmpty());
        const HelpParseResult result =
            ParseHelpText("VORN-HELP 1\n@topic a\n@title A\n<a href=\"topic:b\">b</a> <a href=\"topic:nowhere\">x</a>\n"
                          "@topic b\n@title B\n");
        QVERIFY(result.ok);
        const QStringList faults = CheckHelpLinks(result.document);
        QCOMPARE(faults.size(), 1);
        QVERIFY(faults[0].contains(QStringLiteral("nowhere")));
    }

    void loadTellsMissingUnreadableAndDamagedFiles() {
        const HelpLoadResult missing = LoadHelpFile(folder_->filePath(QStringLiteral("none.hlp")));
        QCOMPARE(missing.status, HelpLoadStatus::Missing);
        QVERIFY(missing.message.contains(folder_->filePath(QStringLiteral("none.hlp"))));

        QVERIFY(QDir(folder_->path()).mkdir(QStringLiteral("folder.hlp")));
        QCOMPARE(LoadHelpFile(folder_->filePath(QStringLiteral("folder.hlp"))).status, HelpLoadStatus::Unreadable);

        const QString damaged = WriteHelp("VORN-HELP 1\n@topic a\n@title A\n<x>\n");
        const HelpLoadResult result = LoadHelpFile(damaged);
        QCOMPARE(result.status, HelpLoadStatus::Damaged);
        QVERIFY(result.message.contains(damaged));
        QVERIFY(result.message.contains(QStringLiteral("Строка 4")));

        const HelpLoadResult loaded = LoadHelpFile(WriteHelp(kSample));
        QCOMPARE(loaded.status, HelpLoadStatus::Loaded);
        QCOMPARE(loaded.document.topics.size(), 3);
    }

    void viewerOpensContentsKeywordAndTopicInOneWindow() {
        HelpViewer::SetHelpFile(WriteHelp(kSample));
        QVERIFY(!HelpViewer::Window());
        HelpViewer::OpenContents(nullptr);
        HelpWindow* window = HelpViewer::Window();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), HelpViewer::WindowTitle());
        QCOMPARE(window->CurrentTopicId(), QStringLiteral("contents"));
        QCOMPARE(window->TopicList()->count(), 3);
        QCOMPARE(window->TopicList()->currentRow(), 0);
        QVERIFY(window->Browser()->toPlainText().startsWith(QStringLiteral("Содержание")));

        HelpViewer::OpenKeyword(nullptr, QStringLiteral("провода"));
        QCOMPARE(HelpViewer::Window(), window);
        QCOMPARE(window->CurrentTopicId(), QStringLiteral("wires"));
        QCOMPARE(window->TopicList()->currentRow(), 1);
        QVERIFY(window->Browser()->toPlainText().contains(QStringLiteral("Press and drag")));

        HelpViewer::OpenTopic(nullptr, QStringLiteral("Ошибка:тест."));
        QCOMPARE(window->CurrentTopicId(), QStringLiteral("Ошибка:тест."));
        HelpViewer::OpenTopic(nullptr, QStringLiteral("wires"));
        QCOMPARE(window->CurrentTopicId(), QStringLiteral("wires"));
        // The message text itself, blanks and all, finds its topic too.
        HelpViewer::OpenTopic(nullptr, QStringLiteral("Ошибка: тест."));
        QCOMPARE(window->CurrentTopicId(), QStringLiteral("Ошибка:тест."));
        // An unknown keyword or topic opens the contents, without a message.
        HelpViewer::OpenKeyword(nullptr, QStringLiteral("Транзистор"));
        QCOMPARE(window->CurrentTopicId(), QStringLiteral("contents"));
        HelpViewer::OpenTopic(nullptr, QStringLiteral("wires"));
        HelpViewer::OpenTopic(nullptr, QStringLiteral("Нетакойтемы."));
        QCOMPARE(window->CurrentTopicId(), QStringLiteral("contents"));
        QVERIFY(dialogs_.shown.isEmpty());
    }

    void linksTopicListAndBackNavigate() {
        HelpViewer::SetHelpFile(WriteHelp(kSample));
        HelpViewer::OpenContents(nullptr);
        HelpWindow* window = HelpViewer::Window();
        emit window->Browser()->anchorClicked(QUrl(QStringLiteral("topic:Ошибка:тест.")));
        QCOMPARE(window->CurrentTopicId(), QStringLiteral("Ошибка:тест."));
        window->TopicList()->setCurrentRow(1);
        QCOMPARE(window->CurrentTopicId(), QStringLiteral("wires"));
        emit window->Browser()->anchorClicked(QUrl(QStringLiteral("topic:nowhere")));
        QCOMPARE(window->CurrentTopicId(), QStringLiteral("contents"));
        // Back retraces the way and stops at its start.
        for (const char* expected : {"wires", "Ошибка:тест.", "contents", "contents"}) {
            window->GoBack();
            QCOMPARE(window->CurrentTopicId(), QString::fromUtf8(expected));
        }
    }

    void fileIsReadAgainAtEveryOpeningAndADamagedOneIsTold() {
        HelpViewer::SetHelpFile(WriteHelp(kSample));
        HelpViewer::OpenKeyword(nullptr, QStringLiteral("Провода"));
        QCOMPARE(HelpViewer::Window()->CurrentTopicId(), QStringLiteral("wires"));
        WriteHelp("VORN-HELP 1\n@topic start\n@title Start\n@topic w2\n@title W\n@keyword Провода\n");
        HelpViewer::OpenKeyword(nullptr, QStringLiteral("Провода"));
        QCOMPARE(HelpViewer::Window()->CurrentTopicId(), QStringLiteral("w2"));
        QCOMPARE(HelpViewer::Window()->TopicList()->count(), 2);

        // A damaged file is told and leaves the open window as it was.
        WriteHelp("VORN-HELP 1\n@topic a\n<p>no title</p>\n");
        HelpViewer::OpenContents(nullptr);
        QCOMPARE(dialogs_.shown.size(), 1);
        QVERIFY(dialogs_.shown[0].text.contains(QStringLiteral("повреждён")));
        QVERIFY(dialogs_.shown[0].text.contains(QStringLiteral("Строка 2")));
        QCOMPARE(HelpViewer::Window()->CurrentTopicId(), QStringLiteral("w2"));
        WriteHelp(QByteArray(1000, '\0'));
        HelpViewer::OpenContents(nullptr);
        QCOMPARE(dialogs_.shown.size(), 2);
    }

    void missingFileIsToldThroughTheDialogs() {
        const QString path = folder_->filePath(QStringLiteral("help/help.hlp"));
        HelpViewer::SetHelpFile(path);
        QWidget owner;
        HelpViewer::OpenContents(&owner);
        HelpViewer::OpenKeyword(nullptr, QStringLiteral("Провода"));
        HelpViewer::OpenTopic(nullptr, QStringLiteral("Параметрыкоманднойстрокизаданыневерно."));
        QCOMPARE(dialogs_.shown.size(), 3);
        QCOMPARE(dialogs_.shown[0].parent, &owner);
        QCOMPARE(dialogs_.shown[0].icon, QMessageBox::Critical);
        QCOMPARE(dialogs_.shown[0].title, ProgramTitleText());
        QVERIFY(dialogs_.shown[0].text.contains(path));
        QVERIFY(dialogs_.shown[0].text.contains(QStringLiteral("не найден")));
        QVERIFY(!HelpViewer::Window());
    }

    void helpWindowDoesNotKeepTheProgramRunning() {
        HelpViewer::SetHelpFile(WriteHelp(kSample));
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        QWidget mainWindow;
        mainWindow.show();
        HelpViewer::OpenContents(&mainWindow);
        QVERIFY(HelpViewer::Window()->isVisible());
        QVERIFY(HelpViewer::Window()->isWindow());
        // Disabling the main window, as its companion windows do, leaves help usable.
        mainWindow.setEnabled(false);
        QVERIFY(HelpViewer::Window()->isEnabled());
        mainWindow.setEnabled(true);
        // Closing the main window ends the program although help is open. Qt
        // tells of the last window only inside exec(); a second timer ends the
        // loop with another status if closing the main window did not.
        QTimer::singleShot(0, &mainWindow, &QWidget::close);
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(lastClosed.count(), 1);
        // The help window went with the program (aboutToQuit).
        QVERIFY(!HelpViewer::Window());
    }

    void shippedHelpFileIsCompleteAndLinked_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("russian") << QStringLiteral("help/help.hlp") << kHelpMessages;
        QTest::newRow("english") << QStringLiteral("help/en/help.hlp")
                                 << QStringList{QStringLiteral("Error in the file: the program cannot open the file."),
                                                QStringLiteral("No file with this name was found, or it is not a "
                                                               "circuit file. Please try again."),
                                                QStringLiteral("The command-line parameters are wrong.")};
    }

    void shippedHelpFileIsCompleteAndLinked() {
        QFETCH(QString, file);
        QFETCH(QStringList, messages);
        const HelpLoadResult loaded = LoadHelpFile(SourceFile(file));
        QVERIFY2(loaded.status == HelpLoadStatus::Loaded, qPrintable(loaded.message));
        const HelpDocument& document = loaded.document;
        QCOMPARE(document.Contents()->id, QStringLiteral("contents"));
        const QStringList faults = CheckHelpLinks(document);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        QVERIFY(document.topics.size() >= 15);
        for (const HelpTopic& topic : document.topics) QVERIFY2(!topic.body.trimmed().isEmpty(), qPrintable(topic.id));
        // The three messages that offer help have a topic titled as they read.
        for (const QString& message : messages) {
            const HelpTopic* topic = document.TopicById(HelpTopicIdForMessage(message));
            QVERIFY2(topic, qPrintable(message));
            QCOMPARE(topic->title, message);
        }
    }

    // The English edition has the Russian topics in the same order, and a
    // Russian keyword finds the same topic in both, so a lookup by the
    // Russian word still works when the program speaks English.
    void englishHelpHasTheTopicsAndKeywordsOfTheRussian() {
        const HelpDocument russian = LoadHelpFile(ShippedHelpFile()).document;
        const HelpDocument english = LoadHelpFile(SourceFile(QStringLiteral("help/en/help.hlp"))).document;
        QCOMPARE(english.topics.size(), russian.topics.size());
        static const QRegularExpression latinId(QStringLiteral("^[a-z]+$"));
        for (qsizetype i = 0; i < russian.topics.size(); ++i) {
            const HelpTopic& topic = russian.topics[i];
            if (latinId.match(topic.id).hasMatch()) QCOMPARE(english.topics[i].id, topic.id);
            for (const QString& keyword : topic.keywords) {
                const HelpTopic* found = english.TopicByKeyword(keyword);
                QVERIFY2(found && found - english.topics.data() == russian.TopicByKeyword(keyword) - russian.topics.data(),
                         qPrintable(keyword));
            }
        }
    }

    // What the program asks the help for in English, the translations of the
    // messages and of the object keywords, the English edition answers with
    // the topic the Russian one gives for the Russian text.
    void englishHelpAnswersTheTranslatedLookups() {
        QStringList keywords;
        for (int code = 0; code <= 60; ++code) {
            const QString keyword = Utf8(ObjectHelpTopic(code)).trimmed();
            if (!keyword.isEmpty() && !keywords.contains(keyword)) keywords.append(keyword);
        }
        QMultiHash<QString, QString> translated = Translations(QStringLiteral("translations/vorn_en.ts"),
                                                               kHelpMessages + keywords);
        translated.unite(Translations(QStringLiteral("translations/vorn-core_en.ts"), keywords));
        if (translated.isEmpty()) QSKIP("no translation file names these texts yet");
        const HelpDocument russian = LoadHelpFile(ShippedHelpFile()).document;
        const HelpDocument english = LoadHelpFile(SourceFile(QStringLiteral("help/en/help.hlp"))).document;
        auto position = [](const HelpDocument& document, const HelpTopic* topic) {
            return topic ? topic - document.topics.data() : -1;
        };
        for (auto it = translated.cbegin(); it != translated.cend(); ++it) {
            const bool message = kHelpMessages.contains(it.key());
            const HelpTopic* want = message ? russian.TopicById(HelpTopicIdForMessage(it.key()))
                                            : russian.TopicByKeyword(it.key());
            QString englishText = it.value();
            englishText.remove(QLatin1Char('&'));
            const HelpTopic* got = message ? english.TopicById(HelpTopicIdForMessage(englishText))
                                           : english.TopicByKeyword(englishText);
            QVERIFY2(position(english, got) == position(russian, want),
                     qPrintable(it.key() + QStringLiteral(" -> ") + it.value()));
        }
    }

    void shippedHelpFileHasATopicForEveryObjectKeyword() {
        const HelpDocument document = LoadHelpFile(ShippedHelpFile()).document;
        QStringList asked;
        for (int code = 0; code <= 60; ++code) {
            const QString keyword = Utf8(ObjectHelpTopic(code)).trimmed();
            if (!keyword.isEmpty() && !asked.contains(keyword)) asked.append(keyword);
        }
        QCOMPARE(asked.size(), 7);
        for (const char* expected : {"Провода", "Провод", "Источник", "Лампочка", "Инвертор", "Конъюнктор", "Дизъюнктор"})
            QVERIFY2(asked.contains(QString::fromUtf8(expected)), expected);
        for (const QString& keyword : asked) {
            const HelpTopic* topic = document.TopicByKeyword(keyword);
            QVERIFY2(topic && topic != document.Contents(), qPrintable(keyword));
            QVERIFY2(topic->keywords.contains(keyword), qPrintable(keyword));
        }
        QCOMPARE(document.TopicByKeyword(QStringLiteral("Провода"))->id, QStringLiteral("wires"));
        QCOMPARE(document.TopicByKeyword(QStringLiteral("Провод"))->id, QStringLiteral("junctions"));
        // The viewer, given the shipped file, opens there without a message.
        HelpViewer::SetHelpFile(ShippedHelpFile());
        HelpViewer::OpenKeyword(nullptr, Utf8(ObjectHelpTopic(DisjunctorAnchor)));
        QVERIFY(HelpViewer::Window());
        QCOMPARE(HelpViewer::Window()->CurrentTopicId(), QStringLiteral("disjunctor"));
        QVERIFY(dialogs_.shown.isEmpty());
        // Every title shows whole: a long one wraps within the list.
        const QListWidget* list = HelpViewer::Window()->TopicList();
        const int margins = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
        for (int i = 0; i < list->count(); ++i) {
            const QRect item = list->visualItemRect(list->item(i));
            const QRect text = list->fontMetrics().boundingRect(QRect(0, 0, item.width() - margins, 10000),
                                                                Qt::TextWordWrap, list->item(i)->text());
            QVERIFY2(item.width() <= list->viewport()->width() && text.height() <= item.height(),
                     qPrintable(list->item(i)->text()));
        }
    }

private:
    // Writes help.hlp in the test's folder and returns its path.
    QString WriteHelp(const QByteArray& bytes) {
        const QString path = folder_->filePath(QStringLiteral("help.hlp"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return QString();
        file.write(bytes);
        return path;
    }

    ScriptedDialogs dialogs_;
    std::unique_ptr<QTemporaryDir> folder_;
};

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    HelpViewerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "helpviewer_test.moc"
