// Dialogs that answer the program's questions from a script and record
// every message, for the window tests.
#pragma once

#include <QList>
#include <QStringList>

#include "dialogs.h"

namespace vorn::test {

class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        QWidget* parent;
        QMessageBox::Icon icon;
        QString title, text;
    };
    QList<Shown> shown;                          // every message box in order
    QStringList messages;                        // their texts
    QList<QMessageBox::StandardButton> answers;  // next answers; Ok when none are left
    QStringList fileNames;                       // next names the file choosers return
    bool tickHelp = false;

    QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                        const QString& text, QMessageBox::StandardButtons,
                                        QMessageBox::StandardButton) override {
        shown.append({parent, icon, title, text});
        messages << text;
        return answers.isEmpty() ? QMessageBox::Ok : answers.takeFirst();
    }
    QMessageBox::StandardButton MessageWithCheckBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                                    const QString& text, const QString&, bool& checked) override {
        shown.append({parent, icon, title, text});
        messages << text;
        checked = tickHelp;
        return QMessageBox::Ok;
    }
    QString OpenFileName(QWidget*, const QString&, const QString&, const QString&) override { return Next(); }
    QString SaveFileName(QWidget*, const QString&, const QString&, const QString&) override { return Next(); }

private:
    QString Next() { return fileNames.isEmpty() ? QString() : fileNames.takeFirst(); }
};

}  // namespace vorn::test
