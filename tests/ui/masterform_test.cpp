// The tutorial wizard: pages and navigation, a missing help folder, the
// self-test's messages, and the clip rows' progress as the player reports it.
#include <memory>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

#include "dialogs.h"
#include "masterform.h"
#include "quiz.h"
#include "scripted_dialogs.h"
#include "shown_window.h"
#include "windowlinks.h"

using namespace vorn;
using vorn::test::Inside;

namespace {

using vorn::test::ScriptedDialogs;

struct StartCall {
    qsizetype length;
    int start;
    QString caption;
};

const QString kNotFoundTail = QStringLiteral("Переустановка программы может решить эту проблему.");

}  // namespace

class MasterFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<Tmain> window_;
    std::unique_ptr<Tmaster> wizard_;
    ScriptedDialogs dialogs_;
    QList<StartCall> starts_;
    bool startResult_ = true;

    // A wizard over a main window whose program folder is the test's own.
    void Create(bool realPlayer = false) {
        wizard_.reset();
        window_ = test::ShownWindow();
        wizard_ = std::make_unique<Tmaster>(*window_, folder_->path());
        LinkWizard(*window_, *wizard_);
        if (!realPlayer) wizard_->ClipStarter = [this](ClipScript script, int start, const QString& caption) {
            starts_.append({static_cast<qsizetype>(script.size()), start, caption});
            return startResult_;
        };
    }
    int Bar(int clip) const { return wizard_->ClipBars[static_cast<std::size_t>(clip - 1)]->value(); }
    void Tick(int question, int answer, bool on = true) {
        wizard_->AnswerBoxes[static_cast<std::size_t>(question)][static_cast<std::size_t>(answer)]->setChecked(on);
    }
    void TickPositive() {
        const QuizTable& table = MasterQuestions();
        for (int q = 0; q < kQuizQuestionCount; ++q)
            for (int a = 0; a < kQuizAnswerCount; ++a)
                Tick(q, a, table[static_cast<std::size_t>(q)].weights[static_cast<std::size_t>(a)] > 0);
    }

private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        starts_.clear();
        startResult_ = true;
        dialogs_.shown.clear();
        Dialogs::Install(&dialogs_);
        Create();
    }
    void cleanup() {
        wizard_.reset();
        window_.reset();
        Dialogs::Install(nullptr);
    }

    void navigationStopsAtBothEndsAndThePagesShowTheirContent() {
        Tmaster& w = *wizard_;
        QVERIFY(!w.isVisible());
        QCOMPARE(w.size(), QSize(592, 414));
        QCOMPARE(w.ProgramTitleLabel->text(), QStringLiteral("Vorn v1.1"));
        QCOMPARE(w.ClipBars[0]->maximum(), 178);
        QCOMPARE(w.ClipBars[3]->maximum(), 106);
        QCOMPARE(w.PageIndex(), 1);
        QVERIFY(!w.BackButton->isEnabled());
        QVERIFY(w.NextButton->isEnabled());
        QCOMPARE(w.PageNumberLabel->text(), QStringLiteral("1"));
        w.BackClick();
        QCOMPARE(w.PageIndex(), 1);
        for (int page = 2; page <= 9; ++page) {
            w.NextButton->click();
            QCOMPARE(w.PageIndex(), page);
            QCOMPARE(w.PageView->isVisibleTo(&w), page != 6 && page != 9);
            QCOMPARE(w.TestGroup->isVisibleTo(&w), page == 6);
            QCOMPARE(w.CheckButton->isVisibleTo(&w), page == 6);
            QCOMPARE(w.ClipGroup->isVisibleTo(&w), page == 9);
            QCOMPARE(w.PageNumberLabel->isVisibleTo(&w), page != 6);
            if (page != 6) QCOMPARE(w.PageNumberLabel->text(), QString::number(page));
            QVERIFY(w.BackButton->isEnabled());
            QCOMPARE(w.NextButton->isEnabled(), page != 9);
        }
        w.NextClick();
        QCOMPARE(w.PageIndex(), 9);
        w.BackButton->click();
        QCOMPARE(w.PageIndex(), 8);
        QVERIFY(w.NextButton->isEnabled());
        // The page survives hiding and showing.
        w.ShowWizard();
        w.reject();
        w.ShowWizard();
        QCOMPARE(w.PageIndex(), 8);
    }

    void withoutHelpFilesPagesSayWhatIsMissingAndTheMenuOffersTestAndClips() {
        Tmaster& w = *wizard_;
        const QString path = folder_->path() + QStringLiteral("/help/n1.rtf");
        QCOMPARE(w.PageView->toPlainText(), QStringLiteral("Не найден файл: ") + path + u'\n' + kNotFoundTail);
        const QTextBlock first = w.PageView->document()->firstBlock();
        QCOMPARE(first.begin().fragment().charFormat().fontPointSize(), 10.0);
        QCOMPARE(first.next().begin().fragment().charFormat().fontPointSize(), 10.0);

        for (int page = 1; page <= 9; ++page)
            QCOMPARE(w.ContentsItems[static_cast<std::size_t>(page - 1)]->isEnabled(), page == 6 || page == 9);
        const QList<QAction*> items = w.ContentsMenu->actions();
        QCOMPARE(items.size(), 10);
        QVERIFY(items.at(6)->isSeparator());
        QCOMPARE(items.at(5)->text(), QStringLiteral("Тестирование"));

        w.ContentsItems[5]->trigger();
        QCOMPARE(w.PageIndex(), 6);
        w.NextClick();
        QVERIFY(w.PageView->toPlainText().contains(QStringLiteral("/help/n7.rtf")));
    }

    void pageFilesPresentAtCreationAreOfferedAndLoaded() {
        QVERIFY(QDir(folder_->path()).mkpath(QStringLiteral("help")));
        QFile file(folder_->filePath(QStringLiteral("help/n2.rtf")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\\rtf1\\ansi Logic page}");
        file.close();
        Create();
        Tmaster& w = *wizard_;
        for (int page = 1; page <= 9; ++page)
            QCOMPARE(w.ContentsItems[static_cast<std::size_t>(page - 1)]->isEnabled(),
                     page == 2 || page == 6 || page == 9);
        w.ContentsItems[1]->trigger();
        QCOMPARE(w.PageIndex(), 2);
        QVERIFY(!w.PageView->toPlainText().isEmpty());
        QVERIFY(!w.PageView->toPlainText().contains(kNotFoundTail));
        // A file that disappears later shows the not-found text.
        QVERIFY(QFile::remove(file.fileName()));
        w.NextClick();
        w.BackClick();
        QVERIFY(w.PageView->toPlainText().endsWith(kNotFoundTail));
    }

    void checkingAsksForEveryQuestionThenShowsTheResult() {
        Tmaster& w = *wizard_;
        w.SelectPage(6);
        QCOMPARE(w.AnswerBoxes[4][1]->text(), QStringLiteral("не B"));
        TickPositive();
        for (int a = 0; a < 4; ++a) Tick(2, a, false);
        w.CheckButton->click();
        QCOMPARE(dialogs_.shown.size(), 1);
        QCOMPARE(dialogs_.shown[0].text, QStringLiteral("Ответьте на все вопросы!"));
        QCOMPARE(dialogs_.shown[0].title, QStringLiteral("Vorn v1.1"));
        QCOMPARE(dialogs_.shown[0].icon, QMessageBox::Information);
        QCOMPARE(dialogs_.shown[0].parent, nullptr);

        Tick(2, 2);
        // The ticks stay while the user looks at other pages.
        w.SelectPage(1);
        w.SelectPage(6);
        QVERIFY(w.AnswerBoxes[2][2]->isChecked());
        QVERIFY(!w.AnswerBoxes[2][0]->isChecked());
        w.CheckButton->click();
        QCOMPARE(dialogs_.shown.size(), 2);
        QCOMPARE(dialogs_.shown[1].text, QStringLiteral("Вы набрали 25 из 25 возможных:\r"
                                                        "В вопросе 1: 3 из 3 возможных,\r"
                                                        "В Вопросе 2: 2 из 2, возможных\r"
                                                        "В вопросе 3: 3 из 3, возможных\r"
                                                        "В вопросе 4: 3 из 3, возможных\r"
                                                        "В вопросе 5: 14 из 14 возможных.\r\r"
                                                        "Оценка ваших знаний: 5."));

        // Every answer of question 1 ticked: 1 of 3, total 23, mark 4.8.
        Tick(0, 2);
        w.CheckClick();
        const QString text = dialogs_.shown.last().text;
        QVERIFY(text.contains(QStringLiteral("\rВ вопросе 1: 1 из 3 возможных,\r")));
        QVERIFY(text.endsWith(QStringLiteral("Оценка ваших знаний: 4") + QLocale().decimalPoint() +
                              QStringLiteral("8.")));
    }

    void clipHaltedShowsTheProgressAndTheWizard() {
        Tmaster& w = *wizard_;
        emit window_->clipHalted(2, 570);
        QCOMPARE(Bar(2), 57);
        QCOMPARE(Bar(1), 0);
        QVERIFY(w.isVisible());
        QVERIFY(!window_->isEnabled());  // the wizard holds the main window, whoever showed it
        QVERIFY(w.isEnabled());  // not disabled with the main window
        QVERIFY(QTest::qWaitForWindowActive(&w));
        emit window_->clipHalted(1, 1785);
        QCOMPARE(Bar(1), 178);
        QCOMPARE(Bar(2), 57);
        emit window_->clipHalted(0, 40);  // no built-in clip: only the wizard shows
        QCOMPARE(Bar(1), 178);
        emit window_->clipProgressCleared();
        for (int clip = 1; clip <= 4; ++clip) QCOMPARE(Bar(clip), 0);
        w.hide();
        emit window_->wizardRequested();
        QVERIFY(w.isVisible());
    }

    void playResumesAfterTheEventTheClipStoppedAt() {
        Tmaster& w = *wizard_;
        emit window_->clipHalted(3, 400);
        emit window_->clipHalted(1, 1234);
        QCOMPARE(Bar(1), 123);
        window_->setEnabled(false);
        w.PlayButtons[0]->click();
        QCOMPARE(starts_.size(), 1);
        QCOMPARE(starts_[0].length, qsizetype(1785));
        QCOMPARE(starts_[0].start, 1234);
        QVERIFY(!w.isVisible());
        QVERIFY(window_->isEnabled());
        QCOMPARE(starts_[0].caption, QStringLiteral("Ролик 1. Принцип построения и работы простейших схем."));
        QCOMPARE(Bar(1), 123);
        QCOMPARE(Bar(3), 0);

        // A finished clip starts again from the beginning.
        emit window_->clipHalted(1, 1785);
        w.PlayButtons[0]->click();
        QCOMPARE(starts_.last().start, 0);
        QCOMPARE(Bar(1), 0);

        // Refused (the unsaved-changes prompt was cancelled): nothing changes.
        emit window_->clipHalted(2, 570);
        emit window_->clipHalted(4, 1059);
        startResult_ = false;
        w.PlayButtons[1]->click();
        QCOMPARE(starts_.last().length, qsizetype(1145));
        QCOMPARE(starts_.last().start, 570);
        QVERIFY(w.isVisible());
        QVERIFY(!window_->isEnabled());
        QCOMPARE(Bar(2), 57);
        QCOMPARE(Bar(4), 106);
    }

    void stopAndClosingEmptyTheBars() {
        Tmaster& w = *wizard_;
        emit window_->clipHalted(2, 570);
        w.StopButtons[1]->click();
        QCOMPARE(Bar(2), 0);
        w.PlayButtons[1]->click();
        QCOMPARE(starts_.last().start, 0);

        const auto haltTwoAndDisable = [&] {
            emit window_->clipHalted(2, 570);
            emit window_->clipHalted(4, 300);
            window_->setEnabled(false);
            Inside(window_).InnerPanel->setEnabled(false);
            QVERIFY(w.isVisible());
        };
        const auto expectClosed = [&] {
            QVERIFY(!w.isVisible());
            for (int clip = 1; clip <= 4; ++clip) QCOMPARE(Bar(clip), 0);
            QVERIFY(window_->isEnabled());
            QVERIFY(Inside(window_).InnerPanel->isEnabled());
        };
        haltTwoAndDisable();
        w.CloseButton->click();
        expectClosed();
        haltTwoAndDisable();
        QTest::keyClick(&w, Qt::Key_Escape);
        expectClosed();
        haltTwoAndDisable();
        QVERIFY(w.close());  // the close box
        expectClosed();
        // A clip played after closing starts from the beginning.
        w.PlayButtons[3]->click();
        QCOMPARE(starts_.last().start, 0);
    }

    void theRealPlayerResumesWhereItWasLeft() {
        Create(true);
        Tmaster& w = *wizard_;
        window_->Clips().IsWindowActive = [] { return true; };
        w.ShowWizard();
        w.PlayButtons[0]->click();
        QVERIFY(window_->Clips().Active());
        QVERIFY(!w.isVisible());
        QVERIFY(window_->isEnabled());
        QCOMPARE(Inside(window_).StatusPanel(1)->text(), QStringLiteral("Ролик ") + WizardClipLabel(1));
        for (int i = 0; i < 25; ++i) window_->Clips().Tick();
        Inside(window_).LeaveClip();  // Esc
        QVERIFY(w.isVisible());
        QVERIFY(!window_->isEnabled());
        QCOMPARE(Bar(1), 2);
        w.PlayButtons[0]->click();
        QCOMPARE(window_->Clips().Index(), 25);
        window_->StopClip();
        QCOMPARE(Bar(1), 0);
    }
};

QTEST_MAIN(MasterFormTest)
#include "masterform_test.moc"
