// The splash screen: its picture, its two timers, the click and key rules,
// refused closes, and the three ways it hands over (to the main window, to
// the wizard, to a command-line file opened only after it has gone).
#include <memory>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "dialogs.h"
#include "logoform.h"
#include "masterform.h"
#include "scripted_dialogs.h"
#include "shown_window.h"

using namespace vorn;

class LogoFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<Tmain> window_;
    std::unique_ptr<Tmaster> wizard_;
    std::unique_ptr<TLogo> logo_;
    test::ScriptedDialogs dialogs_;
    bool showMaster_ = false;
    QString circuit_;  // a circuit file that opens
    QElapsedTimer sinceCreation_;

    // A splash over a disabled main window, as the first start-up tick
    // leaves it; dataFolder empty: one without the pictures.
    void Create(const QString& file, const QString& dataFolder = QString()) {
        window_->State().DataFolder = dataFolder.isEmpty() ? folder_->path() : dataFolder;
        window_->State().CommandLineFile = file;
        window_->setEnabled(false);
        logo_ = std::make_unique<TLogo>(*window_, window_->State().DataFolder, [this] { return showMaster_; });
        // Tied as the program ties them, but for the start-up tick: the test
        // shows the splash itself.
        connect(logo_.get(), &TLogo::wizardWanted, wizard_.get(), &Tmaster::ShowWizard);
        connect(logo_.get(), &TLogo::handedOver, window_.get(), &Tmain::OpenCommandLineFile);
        sinceCreation_.start();
        logo_->CommandLineFile = file;
    }
    void Show() {
        logo_->ShowSplash();
        QVERIFY(logo_->isVisible());
    }
    // The early timer's half second is over.
    void PassEarlyTimer() { logo_->EarlyTimerTick(); }

private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        circuit_ = folder_->filePath("start.vfl");
        QVERIFY(QFile::copy(QFINDTESTDATA("../../examples/inverter.vfl"), circuit_));
        showMaster_ = false;
        dialogs_.shown.clear();
        Dialogs::Install(&dialogs_);
        window_ = test::ShownWindow();
        wizard_ = std::make_unique<Tmaster>(*window_);
    }
    void cleanup() {
        logo_.reset();
        wizard_.reset();
        window_.reset();
        Dialogs::Install(nullptr);
    }

    void windowShowsOnlyThePicture() {
        Create(QString(), QFileInfo(QFINDTESTDATA("../../pictures/logo.jpg")).dir().filePath(".."));
        QCOMPARE(logo_->Picture().size(), QSize(500, 350));
        QCOMPARE(logo_->size(), QSize(500, 350));
        QVERIFY(logo_->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(logo_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        Show();
        QCOMPARE(logo_->frameGeometry().center(), window_->frameGeometry().center());
        QCOMPARE(logo_->grab().toImage().pixelColor(250, 60), logo_->Picture().pixelColor(250, 60));

        // Without its picture the splash is white and still works.
        logo_.reset();
        Create(QString());
        QVERIFY(logo_->Picture().isNull());
        Show();
        const QImage shown = logo_->grab().toImage();
        QCOMPARE(shown.pixelColor(10, 10), QColor(Qt::white));
        QCOMPARE(shown.pixelColor(490, 340), QColor(Qt::white));
        PassEarlyTimer();
        QTest::keyClick(logo_.get(), Qt::Key_Space);
        QVERIFY(!logo_->isVisible());
    }

    void timersRunFromCreationAndFromShowing() {
        Create(QString());
        QVERIFY(logo_->EarlyTimer->isActive());
        QCOMPARE(logo_->EarlyTimer->interval(), 512);
        QVERIFY(!logo_->CloseTimer->isActive());
        QCOMPARE(logo_->CloseTimer->interval(), 2048);
        // Started by showing, before any activation is handled: a desktop
        // that never activates the splash does not leave it up for ever.
        logo_->show();
        QVERIFY(logo_->CloseTimer->isActive());
    }

    void clicksKeysAndClosesWaitForTheFirstHalfSecond() {
        Create(QString());
        Show();
        QTest::mouseClick(logo_.get(), Qt::LeftButton, {}, QPoint(100, 100));
        QTest::keyClick(logo_.get(), Qt::Key_Return);
        QVERIFY(!logo_->close());
        QVERIFY(logo_->isVisible());
        QVERIFY(!logo_->HandedOver());
        QVERIFY(!window_->isEnabled());

        // Without a file the early timer's end leaves the splash up...
        QTRY_VERIFY_WITH_TIMEOUT(!logo_->EarlyTimer->isActive(), 1500);
        QVERIFY(sinceCreation_.elapsed() >= 500);
        QVERIFY(logo_->isVisible());
        // ... and now a click closes it.
        QTest::mouseClick(logo_.get(), Qt::LeftButton, {}, QPoint(100, 100));
        QVERIFY(!logo_->isVisible());
        QVERIFY(logo_->HandedOver());
        QVERIFY(window_->isEnabled());
        QVERIFY(!logo_->CloseTimer->isActive());
    }

    void closesByItselfAfterTwoSeconds() {
        Create(QString());
        QElapsedTimer shown;
        shown.start();
        Show();
        QTRY_VERIFY_WITH_TIMEOUT(!logo_->isVisible(), 3500);
        QVERIFY2(shown.elapsed() >= 2000, qPrintable(QString::number(shown.elapsed())));
        QVERIFY(window_->isEnabled());
        QVERIFY(!wizard_->isVisible());
        QVERIFY(dialogs_.messages.isEmpty());
    }

    // Even with the wizard's setting on, a file goes straight to the main window.
    void aFileClosesItAfterHalfASecondAndOpensOnlyThen() {
        showMaster_ = true;
        Create(circuit_);
        Show();
        QVERIFY(window_->Document().FileName().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!logo_->isVisible(), 1800);
        QVERIFY2(sinceCreation_.elapsed() >= 500, qPrintable(QString::number(sinceCreation_.elapsed())));
        QCOMPARE(window_->Document().FileName(), circuit_);
        QVERIFY(window_->isEnabled());
        QVERIFY(!wizard_->isVisible());
        QVERIFY(dialogs_.messages.isEmpty());
    }

    void aFileWhoseHalfSecondEndedBeforeShowingClosesAtOnce() {
        Create(circuit_);
        PassEarlyTimer();  // a slow start: the tick came before the splash was shown
        QVERIFY(!logo_->HandedOver());
        QVERIFY(window_->Document().FileName().isEmpty());
        Show();
        QTRY_VERIFY_WITH_TIMEOUT(logo_->HandedOver(), 500);
        QVERIFY(!logo_->isVisible());
        QCOMPARE(window_->Document().FileName(), circuit_);
    }

    void handOverToTheWizard() {
        showMaster_ = true;
        Create(QString());
        Show();
        PassEarlyTimer();
        // A click hands over like the timer: the main window waits for the wizard.
        QTest::mouseClick(logo_.get(), Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!logo_->isVisible());
        QVERIFY(wizard_->isVisible());
        QVERIFY(!window_->isEnabled());
        wizard_->reject();
        QVERIFY(window_->isEnabled());
        // Hands over once: closing again changes nothing.
        window_->setEnabled(false);
        logo_->close();
        QVERIFY(!window_->isEnabled());
    }
};

QTEST_MAIN(LogoFormTest)
#include "logoform_test.moc"
