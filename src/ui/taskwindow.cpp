#include "taskwindow.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>


namespace vorn {

TaskWindow::TaskWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TaskWindow"));
    setWindowTitle(tr("Задание"));
    setModal(false);
    resize(420, 360);
    auto* layout = new QVBoxLayout(this);
    TitleLabel = new QLabel(this);
    QFont bold = TitleLabel->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    TitleLabel->setFont(bold);
    TitleLabel->setWordWrap(true);
    TitleLabel->setTextFormat(Qt::PlainText);
    TextLabel = new QLabel(this);
    TextLabel->setWordWrap(true);
    TextLabel->setTextFormat(Qt::PlainText);
    TextLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    CheckButton = new QPushButton(tr("Проверить"), this);
    CheckButton->setToolTip(tr("Проверить схему по заданию (Ctrl+F9)"));
    VerdictView = new QPlainTextEdit(this);
    VerdictView->setReadOnly(true);
    VerdictView->setPlaceholderText(tr("Соберите схему и нажмите «Проверить» или Ctrl+F9."));
    layout->addWidget(TitleLabel);
    layout->addWidget(TextLabel, 1);
    layout->addWidget(CheckButton, 0, Qt::AlignLeft);
    layout->addWidget(VerdictView, 1);
    connect(CheckButton, &QPushButton::clicked, this, &TaskWindow::checkRequested);
}

void TaskWindow::ShowTask(const QString& title, const QString& text) {
    TitleLabel->setText(title.isEmpty() ? tr("Задание") : title);
    TextLabel->setText(text);
    VerdictView->clear();
}

void TaskWindow::ShowVerdict(const QString& verdict) { VerdictView->setPlainText(verdict); }

}  // namespace vorn
