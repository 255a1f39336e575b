// The tutorial wizard: nine pages of rich text, the self-test and the four
// demonstration clips. Created once at start-up and hidden between uses; it
// keeps its page, its ticks and (until closed) the clips' progress.
#pragma once

#include <array>
#include <functional>

#include <QDialog>
#include <QString>

#include "clips.h"
#include "quiz.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTextEdit;

namespace vorn {

inline constexpr int kWizardPageCount = 9;
inline constexpr int kTestPage = 6;
inline constexpr int kClipPage = 9;

// The file shown on a rich-text page: dataFolder/help/n<page>.rtf, or its
// English edition in help/en when the program speaks English.
QString WizardPageFile(const QString& dataFolder, int page);
// The caption of a clip's row (1..4), also shown in the status bar while it plays.
QString WizardClipLabel(int clip);

class Tmaster : public QDialog {
    Q_OBJECT

public:
    // Builds the window and shows page 1 in it; the window stays hidden.
    // Which rich-text pages the contents menu offers is decided here, from
    // the files present now in dataFolder/help. While the wizard shows, owner
    // is disabled and the wizard is centred over it.
    explicit Tmaster(QWidget& owner, const QString& dataFolder = QString());

    int PageIndex() const { return pageIndex_; }
    // Fills the window for PageIndex.
    void ShowPage();
    // Goes to page 1..9 (the contents menu).
    void SelectPage(int page);
    void BackClick();
    void NextClick();
    // Opens the contents menu below the wizard's buttons.
    void ContentsClick();
    QPoint ContentsMenuPosition() const;
    // "Проверить": asks for the missing answers or shows the result.
    void CheckClick();
    // The clip rows, clip 1..4.
    void PlayClick(int clip);
    void StopClick(int clip);
    // Makes the wizard visible and gives it the focus.
    void ShowWizard();

    // Starts a clip in the main window, with the caption its hint line shows
    // while the clip plays; false when nothing plays.
    std::function<bool(ClipScript script, int start, const QString& caption)> ClipStarter;

    // The clip player's reports: every clip's progress is lost; a clip halted
    // after event eventIndex (clip 1..4, 0 for another script), which brings
    // the wizard back.
    void ClearClipProgress();
    void ClipHalted(int clip, int eventIndex);

    // Controls, for the tests.
    QLabel* Heading = nullptr;
    QLabel* ProgramTitleLabel = nullptr;
    QLabel* PageNumberLabel = nullptr;
    QPushButton* ContentsButton = nullptr;
    QPushButton* BackButton = nullptr;
    QPushButton* NextButton = nullptr;
    QPushButton* CloseButton = nullptr;
    QPushButton* CheckButton = nullptr;
    QWidget* ContentArea = nullptr;
    QTextEdit* PageView = nullptr;
    QMenu* ContentsMenu = nullptr;
    std::array<QAction*, kWizardPageCount> ContentsItems{};

    QGroupBox* TestGroup = nullptr;
    QLabel* TestInstruction = nullptr;
    std::array<QLabel*, kQuizQuestionCount> QuestionLabels{};
    std::array<std::array<QCheckBox*, kQuizAnswerCount>, kQuizQuestionCount> AnswerBoxes{};

    QGroupBox* ClipGroup = nullptr;
    QPlainTextEdit* ClipNotes = nullptr;
    std::array<QLabel*, kBuiltInClipCount> ClipLabels{};
    std::array<QPushButton*, kBuiltInClipCount> PlayButtons{};
    std::array<QPushButton*, kBuiltInClipCount> StopButtons{};
    std::array<QProgressBar*, kBuiltInClipCount> ClipBars{};

public slots:
    // Esc, the close box and "Закрыть": hide and forget the clips' progress
    // (rejected() tells the main window).
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildButtons();
    void BuildContentsMenu();
    void BuildTestGroup();
    void BuildClipGroup();
    void ShowRichTextPage();
    void ShowNotFound(const QString& path);
    void ShowTestPage();
    QuizTicks Ticks() const;

    // masterform_clips.cpp
    void SetClipProgress(int clip, int eventIndex);

    QWidget& owner_;
    QString dataFolder_;
    int pageIndex_ = 1;
    QuizTable questions_;  // the table the test page shows and scores
    // Per clip, the event after which it stopped; a resumed clip goes on
    // from there. 0 with an empty bar.
    std::array<int, kBuiltInClipCount> resumeIndex_{};
};

}  // namespace vorn
