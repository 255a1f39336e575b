// The task of the open document for the learner: its title and text, a
// "Проверить" button and the verdict of the last check. It stays beside the
// main window and can be opened again with the check command.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vorn {

class TaskWindow : public QDialog {
    Q_OBJECT

public:
    explicit TaskWindow(QWidget* parent = nullptr);

    // A new task: its title and text; the verdict of the last one goes.
    void ShowTask(const QString& title, const QString& text);
    void ShowVerdict(const QString& verdict);

    QLabel* TitleLabel = nullptr;
    QLabel* TextLabel = nullptr;
    QPlainTextEdit* VerdictView = nullptr;
    QPushButton* CheckButton = nullptr;

signals:
    // "Проверить" was pressed.
    void checkRequested();
};

}  // namespace vorn
