// The tutorial wizard: its layout, the pages, the contents menu, the
// navigation, the self-test and closing.
#include "masterform.h"

#include <algorithm>

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QWindow>

#include "dialogs.h"
#include "languagefolder.h"
#include "programtitle.h"
#include "rtfview.h"
#include "windowcontrol.h"

namespace vorn {

namespace {

constexpr int kClientWidth = 592;
constexpr int kClientHeight = 414;
constexpr QRect kContentRect(7, 52, 577, 305);
constexpr QPoint kContentsMenuOffset(349, 415);

// The contents menu's item of each page, 1..9.
const std::array<const char*, kWizardPageCount> kPageTitles{
    QT_TRANSLATE_NOOP("vorn::Tmaster", "Введение"),
    QT_TRANSLATE_NOOP("vorn::Tmaster", "Элементы логики высказываний"),
    QT_TRANSLATE_NOOP("vorn::Tmaster", "Формулы алгебры высказываний. Таблицы истинности"),
    QT_TRANSLATE_NOOP("vorn::Tmaster", "Основные законы алгебры логики"),
    QT_TRANSLATE_NOOP("vorn::Tmaster", "Построение формул алгебры высказываний по заданной таблице истинности"),
    QT_TRANSLATE_NOOP("vorn::Tmaster", "Тестирование"),
    QT_TRANSLATE_NOOP("vorn::Tmaster", "Обучение работе с программой"),
    QT_TRANSLATE_NOOP("vorn::Tmaster", "Как работать с программой?"),
    QT_TRANSLATE_NOOP("vorn::Tmaster", "Показ роликов"),
};

bool IsRichTextPage(int page) { return page != kTestPage && page != kClipPage; }

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

QString WizardPageFile(const QString& dataFolder, int page) {
    return LanguagePath(dataFolder + QStringLiteral("/help"), QStringLiteral("n%1.rtf").arg(page));
}

Tmaster::Tmaster(QWidget& owner, const QString& dataFolder)
    // No parent: the main window is disabled while the wizard is up, and a
    // child window would be disabled with it.
    : QDialog(nullptr), owner_(owner), dataFolder_(dataFolder), questions_(MasterQuestions()) {
    setWindowTitle(tr("Мастер обучения работе с программой"));
    setFixedSize(kClientWidth, kClientHeight);

    Heading = new QLabel(tr("Вас приветствует мастер работы с программой"), this);
    Heading->setGeometry(8, 6, 576, 22);
    QFont headingFont = Heading->font();
    headingFont.setBold(true);
    headingFont.setPointSize(12);
    Heading->setFont(headingFont);
    ProgramTitleLabel = new QLabel(ProgramTitleText(), this);
    ProgramTitleLabel->setGeometry(8, 30, 576, 18);

    ContentArea = new QWidget(this);
    ContentArea->setGeometry(kContentRect);
    PageView = new QTextEdit(ContentArea);
    PageView->setGeometry(0, 0, kContentRect.width(), kContentRect.height());
    PageView->setReadOnly(true);
    PageView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    BuildButtons();
    BuildTestGroup();
    BuildClipGroup();
    BuildContentsMenu();
    HoldWhileShown(*this, owner_);

    pageIndex_ = 1;
    ShowPage();
}

void Tmaster::BuildButtons() {
    PageNumberLabel = new QLabel(this);
    PageNumberLabel->setGeometry(8, 376, 60, 20);
    CheckButton = new QPushButton(tr("Проверить"), this);
    CheckButton->setGeometry(8, 372, 90, 27);
    ContentsButton = new QPushButton(tr("Содержание"), this);
    ContentsButton->setGeometry(251, 372, 90, 27);
    BackButton = new QPushButton(tr("< Назад"), this);
    BackButton->setGeometry(345, 372, 75, 27);
    NextButton = new QPushButton(tr("Далее >"), this);
    NextButton->setGeometry(420, 372, 75, 27);
    CloseButton = new QPushButton(tr("Закрыть"), this);
    CloseButton->setGeometry(509, 372, 75, 27);

    connect(CheckButton, &QPushButton::clicked, this, &Tmaster::CheckClick);
    connect(ContentsButton, &QPushButton::clicked, this, &Tmaster::ContentsClick);
    connect(BackButton, &QPushButton::clicked, this, &Tmaster::BackClick);
    connect(NextButton, &QPushButton::clicked, this, &Tmaster::NextClick);
    connect(CloseButton, &QPushButton::clicked, this, &Tmaster::reject);
}

void Tmaster::BuildContentsMenu() {
    ContentsMenu = new QMenu(this);
    for (int page = 1; page <= kWizardPageCount; ++page) {
        QAction* item = ContentsMenu->addAction(tr(kPageTitles[static_cast<std::size_t>(page - 1)]));
        // A page whose file is missing at start-up cannot be chosen; the
        // test and the clips are always there.
        item->setEnabled(!IsRichTextPage(page) ||
                         QFileInfo(WizardPageFile(dataFolder_, page)).isFile());
        connect(item, &QAction::triggered, this, [this, page] { SelectPage(page); });
        ContentsItems[static_cast<std::size_t>(page - 1)] = item;
        if (page == kTestPage) ContentsMenu->addSeparator();
    }
}

void Tmaster::BuildTestGroup() {
    TestGroup = new QGroupBox(tr("Тестирование"), ContentArea);
    TestGroup->setGeometry(0, 0, kContentRect.width(), kContentRect.height());
    TestInstruction = new QLabel(
        tr("Имеется 5 вопросов и задач, а также ответы на них. Отметьте ответы, которые вы считаете  верными"),
        TestGroup);
    TestInstruction->setGeometry(8, 18, 561, 32);
    TestInstruction->setWordWrap(true);

    for (std::size_t q = 0; q < kQuizQuestionCount; ++q) {
        auto* row = new QFrame(TestGroup);
        row->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        row->setGeometry(8, 52 + static_cast<int>(q) * 49, 561, 47);
        auto* number = new QLabel(QString::number(q + 1) + QLatin1Char('.'), row);
        number->setGeometry(4, 4, 18, 18);
        QuestionLabels[q] = new QLabel(Text(questions_[q].text), row);
        QuestionLabels[q]->setGeometry(24, 4, 533, 18);
        // The answers share the row; a long answer takes the room it needs.
        auto* answers = new QWidget(row);
        answers->setGeometry(24, 24, 533, 20);
        auto* layout = new QHBoxLayout(answers);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(4);
        for (std::size_t a = 0; a < kQuizAnswerCount; ++a) {
            auto* box = new QCheckBox(Text(questions_[q].answers[a]), answers);
            layout->addWidget(box, 1);
            AnswerBoxes[q][a] = box;
        }
    }
}

void Tmaster::SelectPage(int page) {
    pageIndex_ = std::clamp(page, 1, kWizardPageCount);
    ShowPage();
}

void Tmaster::BackClick() {
    if (pageIndex_ > 1) --pageIndex_;
    ShowPage();
}

void Tmaster::NextClick() {
    if (pageIndex_ < kWizardPageCount) ++pageIndex_;
    ShowPage();
}

QPoint Tmaster::ContentsMenuPosition() const { return frameGeometry().topLeft() + kContentsMenuOffset; }

void Tmaster::ContentsClick() { ContentsMenu->popup(ContentsMenuPosition()); }

void Tmaster::ShowPage() {
    const bool test = pageIndex_ == kTestPage;
    const bool clips = pageIndex_ == kClipPage;
    PageView->setVisible(!test && !clips);
    TestGroup->setVisible(test);
    ClipGroup->setVisible(clips);
    CheckButton->setVisible(test);
    PageNumberLabel->setVisible(!test);
    PageNumberLabel->setText(QString::number(pageIndex_));
    if (!test && !clips) ShowRichTextPage();
    BackButton->setEnabled(pageIndex_ > 1);
    NextButton->setEnabled(pageIndex_ < kWizardPageCount);
}

void Tmaster::ShowRichTextPage() {
    const QString path = WizardPageFile(dataFolder_, pageIndex_);
    PageView->clear();
    if (QFileInfo(path).isFile()) {
        LoadRtfFile(*PageView->document(), path);
        PageView->moveCursor(QTextCursor::Start);
    } else {
        ShowNotFound(path);
    }
}

void Tmaster::ShowNotFound(const QString& path) {
    PageView->setFontPointSize(10);
    QTextCharFormat format;
    format.setFontPointSize(10);
    QTextCursor cursor(PageView->document());
    cursor.insertText(tr("Не найден файл: %1").arg(path), format);
    cursor.insertBlock();
    cursor.insertText(tr("Переустановка программы может решить эту проблему."), format);
}

QuizTicks Tmaster::Ticks() const {
    QuizTicks ticks{};
    for (std::size_t q = 0; q < kQuizQuestionCount; ++q)
        for (std::size_t a = 0; a < kQuizAnswerCount; ++a) ticks[q][a] = AnswerBoxes[q][a]->isChecked();
    return ticks;
}

void Tmaster::CheckClick() {
    const QuizTicks ticks = Ticks();
    QString text;
    if (FirstUnansweredQuestion(ticks) >= 0) {
        text = tr("Ответьте на все вопросы!");
    } else {
        const std::string separator = QLocale().decimalPoint().toStdString();
        text = QString::fromStdString(QuizResultText(ScoreQuiz(questions_, ticks), separator));
    }
    Dialogs::Current().Message(nullptr, QMessageBox::Information, ProgramTitleText(), text, QMessageBox::Ok,
                               QMessageBox::Ok);
}

void Tmaster::ShowWizard() {
    show();
    raise();
    activateWindow();
    setFocus();
}

void Tmaster::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        // Centred on the main window, and kept above it by the window manager.
        QRect frame = frameGeometry();
        frame.moveCenter(owner_.frameGeometry().center());
        move(frame.topLeft());
        if (windowHandle() && owner_.windowHandle()) windowHandle()->setTransientParent(owner_.windowHandle());
    }
    QDialog::showEvent(event);
}

void Tmaster::reject() {
    QDialog::reject();
    ClearClipProgress();
}

}  // namespace vorn
