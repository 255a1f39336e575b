// An RTF file read into a QTextDocument: its text, paragraphs and formats,
// and a missing file that leaves the document empty.
#include <QColor>
#include <QFile>
#include <QFont>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QtTest>

#include "rtfview.h"

using namespace vorn;

namespace {

const char kPage[] =
    "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fcharset204 Arial;}}"
    "{\\colortbl;\\red200\\green0\\blue0;}"
    "\\pard\\qc\\fs32 \\'d3\\'f0\\'ee\\'ea 1\\par\n"
    "\\pard\\fs24 Plain {\\b bold} {\\cf1\\i red}\\line end\\par\n"
    "}";

// The fragment holding the given text, or an invalid one.
QTextFragment FragmentWith(const QTextDocument& document, const QString& text) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().text() == text) return it.fragment();
    return {};
}

}  // namespace

class RtfViewTest : public QObject {
    Q_OBJECT

private slots:
    void loadsAFileWithTextAndFormats() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("page.rtf"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(kPage);
        file.close();

        QTextDocument document;
        QVERIFY(LoadRtfFile(document, path));
        QCOMPARE(document.blockCount(), 2);
        QCOMPARE(document.begin().text(), QStringLiteral("Урок 1"));
        QCOMPARE(document.begin().blockFormat().alignment(), Qt::AlignHCenter);
        // \line is a line break inside the paragraph.
        QCOMPARE(document.begin().next().text(), QStringLiteral("Plain bold red\u2028end"));

        const QTextFragment bold = FragmentWith(document, QStringLiteral("bold"));
        QVERIFY(bold.isValid());
        QCOMPARE(bold.charFormat().fontWeight(), int(QFont::Bold));
        QCOMPARE(bold.charFormat().fontPointSize(), 12.0);
        QCOMPARE(bold.charFormat().fontFamilies().toStringList(), QStringList{QStringLiteral("Arial")});
        const QTextFragment plain = FragmentWith(document, QStringLiteral("Plain "));
        QVERIFY(plain.isValid());
        QCOMPARE(plain.charFormat().fontWeight(), int(QFont::Normal));
        const QTextFragment red = FragmentWith(document, QStringLiteral("red"));
        QVERIFY(red.isValid());
        QVERIFY(red.charFormat().fontItalic());
        QCOMPARE(red.charFormat().foreground().color(), QColor(200, 0, 0));
        QCOMPARE(FragmentWith(document, QStringLiteral("Урок 1")).charFormat().fontPointSize(), 16.0);
    }

    void missingFileGivesFalseAndAnEmptyDocument() {
        QTemporaryDir folder;
        QTextDocument document;
        document.setPlainText(QStringLiteral("left over"));
        QVERIFY(!LoadRtfFile(document, folder.filePath(QStringLiteral("missing.rtf"))));
        QVERIFY(document.isEmpty());
        QCOMPARE(document.toPlainText(), QString());
        // A folder is no file either.
        document.setPlainText(QStringLiteral("left over"));
        QVERIFY(!LoadRtfFile(document, folder.path()));
        QVERIFY(document.isEmpty());
    }

    void textThatIsNotRtfIsShownAsPlainText() {
        QTextDocument document;
        LoadRtfText(document, QByteArray("first line\r\nвторая"));
        QCOMPARE(document.blockCount(), 2);
        QCOMPARE(document.toPlainText(), QStringLiteral("first line\nвторая"));
    }
};

QTEST_GUILESS_MAIN(RtfViewTest)
#include "rtfview_test.moc"
