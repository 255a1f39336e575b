// Dialogs that answer the program's questions from a script and record
// every message, for the window tests.
#pragma once

#include <QImage>
#include <QList>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>

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
    QStringList chooserFolders;                  // the folder each file chooser started in
    bool tickHelp = false;
    QList<QUrl> openedLinks;                     // the links handed to the desktop

    // The printer set-up: how often it was shown, and what it does with the
    // printer; true prints. Without one it cancels.
    int printerSetups = 0;
    std::function<bool(QPrinter&)> printerSetup;

    // The sender-name dialog: what it was shown each time, and the next
    // answers (nullopt: closed without OK); cancelled when none are left.
    struct NameRequest {
        QString prompt;
        QImage preview;
        QString remembered;
    };
    QList<NameRequest> nameRequests;
    QList<std::optional<QString>> senderNames;

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
    QString OpenFileName(QWidget*, const QString&, const QString& in, const QString&) override { return Next(in); }
    QString SaveFileName(QWidget*, const QString&, const QString& in, const QString&) override { return Next(in); }
    bool PrinterSetup(QWidget*, QPrinter& printer) override {
        ++printerSetups;
        return printerSetup ? printerSetup(printer) : false;
    }
    std::optional<QString> AskSenderName(QWidget*, const QString& prompt, const QImage& preview,
                                         const QString& remembered) override {
        nameRequests.append({prompt, preview, remembered});
        return senderNames.isEmpty() ? std::nullopt : senderNames.takeFirst();
    }

    // The naming dialog: what it showed each time with the refusals it got,
    // and the texts typed, tried in turn until one is taken; then cancelled.
    struct ElementNameRequest {
        QString prompt, shown;
        QStringList refusals;
    };
    QList<ElementNameRequest> elementNameRequests;
    QStringList elementNames;

    bool AskElementName(QWidget*, const QString& prompt, const QString& shown,
                        const std::function<QString(const QString&)>& accept) override {
        elementNameRequests.append({prompt, shown, {}});
        while (!elementNames.isEmpty()) {
            const QString refusal = accept(elementNames.takeFirst());
            if (refusal.isEmpty()) return true;
            elementNameRequests.last().refusals << refusal;
        }
        return false;
    }

    bool OpenLink(const QUrl& link) override {
        openedLinks << link;
        return true;
    }

private:
    QString Next(const QString& folder) {
        chooserFolders << folder;
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
};

}  // namespace vorn::test
