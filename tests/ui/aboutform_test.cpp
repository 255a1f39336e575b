// The about box: its texts and layout, the memory line and its refresh, the
// contact links, the hidden second picture, and giving the main window back.
#include <memory>

#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>

#include "aboutform.h"
#include "contactinfo.h"
#include "programtitle.h"
#include "scripted_dialogs.h"
#include "shown_window.h"
#include "windowlinks.h"

using namespace vorn;
using vorn::test::Inside;

class AboutFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Tmain> window_;
    std::unique_ptr<TAbout> about_;
    test::ScriptedDialogs dialogs_;
    quint64 calls_ = 0;

    QString RepositoryFolder() { return QFileInfo(QFINDTESTDATA("../../pictures/about.jpg")).dir().filePath(".."); }
    void Create(const QString& dataFolder) {
        window_->State().DataFolder = dataFolder;
        about_ = std::make_unique<TAbout>(*window_, dataFolder);
        LinkAbout(*window_, *about_);
    }
    QImage Shown() const { return about_->Picture->pixmap().toImage(); }

private slots:
    void init() {
        dialogs_.openedLinks.clear();
        Dialogs::Install(&dialogs_);
        calls_ = 0;
        window_ = test::ShownWindow();
        Create(RepositoryFolder());
    }
    void cleanup() {
        Dialogs::Install(nullptr);
        about_.reset();
        window_.reset();
    }

    void textsAndLayout() {
        QCOMPARE(about_->windowTitle(), QStringLiteral("О программе..."));
        QCOMPARE(about_->size(), QSize(496, 361));
        QCOMPARE(about_->Picture->size(), QSize(443, 126));
        QCOMPARE(about_->TitleLabel->text(), ProgramTitleText());
        QVERIFY(about_->TitleLabel->font().bold());
        QCOMPARE(about_->TitleLabel->font().pixelSize(), 16);
        const QStringList lines = about_->Description->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines.at(0),
                 QStringLiteral("    Программа предназначенна для тех кто хочет научиться строить простые схемы на "));
        QCOMPARE(lines.at(2), QStringLiteral("заведениях для изучения темы \"Логика\" (булевая алгебра)."));
        QCOMPARE(lines.at(4),
                 QStringLiteral("закрепление знаний, покажет как и что работает и как строить и тестировать схемы."));
        QVERIFY(about_->Description->isReadOnly());
        QCOMPARE(about_->ContactLabel->text(), QStringLiteral("Связаться со мной можно:"));
        for (QLabel* field : {about_->EmailField, about_->WebField, about_->MessengerField}) {
            QCOMPARE(field->cursor().shape(), Qt::PointingHandCursor);
            QCOMPARE(field->palette().color(QPalette::WindowText), QColor(Qt::blue));
        }
        QCOMPARE(about_->EmailField->text(), QString::fromLatin1(SupportAddress));
    }

    void memoryLineShowsAndRefreshesTheFigures() {
        QCOMPARE(MemoryLineText({16314520, 9123456}),
                 QStringLiteral("Физическая память: 16314520 КБ. Свободно: 9123456 КБ."));

        // The real figures, as the box filled them in when it was made.
        const QRegularExpression format(QStringLiteral("^Физическая память: (\\d+) КБ\\. Свободно: (\\d+) КБ\\.$"));
        const QRegularExpressionMatch match = format.match(about_->MemoryLine->text());
        QVERIFY2(match.hasMatch(), qPrintable(about_->MemoryLine->text()));
        QVERIFY(match.captured(1).toULongLong() > 0);
        QVERIFY(match.captured(2).toULongLong() > 0);

        about_->MemorySource = [this]() -> std::optional<MemoryStatus> { return MemoryStatus{1000, ++calls_}; };
        about_->ShowAbout();
        QCOMPARE(about_->MemoryLine->text(), MemoryLineText({1000, 1}));
        QCOMPARE(about_->MemoryTimer->interval(), 1024);
        QTRY_COMPARE_WITH_TIMEOUT(about_->MemoryLine->text(), MemoryLineText({1000, 2}), 1600);
        // Unreadable figures leave the line as it was.
        about_->MemorySource = [] { return std::optional<MemoryStatus>(); };
        about_->UpdateMemoryLine();
        QCOMPARE(about_->MemoryLine->text(), MemoryLineText({1000, 2}));
        // Hidden, the box does not poll.
        about_->reject();
        QVERIFY(!about_->MemoryTimer->isActive());
    }

    void contactFieldsOpenTheirLinks() {
        about_->ShowAbout();
        QTest::mouseClick(about_->EmailField, Qt::LeftButton);
        QTest::mouseClick(about_->WebField, Qt::LeftButton);
        QTest::mouseClick(about_->MessengerField, Qt::LeftButton);
        QTest::mouseClick(about_->CreditLabel, Qt::LeftButton);  // not a link
        QCOMPARE(dialogs_.openedLinks.size(), 3);
        QCOMPARE(dialogs_.openedLinks.at(0).toEncoded(), QByteArray("mailto:support@vorn.example?subject=Vorn&body=%0D"));
        QCOMPARE(dialogs_.openedLinks.at(1), QUrl(QString::fromLatin1(WebLink)));
        QCOMPARE(dialogs_.openedLinks.at(2), QUrl(QString::fromLatin1(MessengerLink)));
    }

    void ctrlAltClickSwapsThePicture() {
        const QImage first = Shown();
        QCOMPARE(first.size(), QSize(443, 126));
        const auto ctrlAlt = Qt::ControlModifier | Qt::AltModifier;
        QTest::mouseClick(about_->Picture, Qt::LeftButton, Qt::ControlModifier);
        QTest::mouseClick(about_->Picture, Qt::LeftButton, ctrlAlt | Qt::ShiftModifier);
        QTest::mouseClick(about_->Picture, Qt::RightButton, ctrlAlt);
        QVERIFY(!about_->ShowingAlternative());
        QCOMPARE(Shown(), first);

        QTest::mouseClick(about_->Picture, Qt::LeftButton, ctrlAlt);
        QVERIFY(about_->ShowingAlternative());
        QVERIFY(Shown() != first);
        QCOMPARE(Shown().size(), QSize(443, 126));
        QTest::mouseClick(about_->Picture, Qt::LeftButton, ctrlAlt);
        QVERIFY(!about_->ShowingAlternative());
        QCOMPARE(Shown(), first);
    }

    void missingPicturesLeaveAWhiteArea() {
        Create(QDir::tempPath() + QStringLiteral("/vorn-no-such-folder"));
        QCOMPARE(Shown().size(), QSize(443, 126));
        QCOMPARE(Shown().pixelColor(200, 60), QColor(Qt::white));
    }

    void escapeGivesTheMainWindowBack() {
        Inside(window_).AboutClick();
        QVERIFY(about_->isVisible());
        QVERIFY(!window_->isEnabled());
        QCOMPARE(about_->frameGeometry().center(), window_->frameGeometry().center());
        QTest::keyClick(about_.get(), Qt::Key_Escape);
        QVERIFY(!about_->isVisible());
        QVERIFY(window_->isEnabled());
        // The close box goes the same way.
        Inside(window_).AboutClick();
        QVERIFY(!window_->isEnabled());
        QVERIFY(about_->close());
        QVERIFY(window_->isEnabled());
    }
};

QTEST_MAIN(AboutFormTest)
#include "aboutform_test.moc"
