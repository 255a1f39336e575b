// The one seam through which the windows ask the user something: message
// boxes and file choosers; also the links they hand to the desktop. Tests
// install their own answers.
#pragma once

#include <functional>
#include <optional>

#include <QColor>
#include <QMessageBox>
#include <QString>
#include <QStringList>

class QImage;
class QPrinter;
class QUrl;
class QWidget;

namespace vorn {

struct TaskChoice;  // taskmaker.h

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A modal message box; returns the button chosen.
    virtual QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                                const QString& text, QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton) = 0;

    // A modal message box with one OK button and an unchecked check box
    // under the text (the error dialog that offers help, the error report
    // dialog). Returns the button chosen (Ok, or NoButton when
    // the box was closed otherwise) and sets checked to the box's state at
    // that moment. The default, for test dialogs that do not override it,
    // passes the text on to Message with an OK button and reports the box
    // unchecked.
    virtual QMessageBox::StandardButton MessageWithCheckBox(QWidget* parent, QMessageBox::Icon icon,
                                                            const QString& title, const QString& text,
                                                            const QString& checkBoxCaption, bool& checked);

    // The file choosers: a modal dialog with one filter (a Qt name filter,
    // "Vorn files (*.vfl)"), started in folder. Return the chosen name, or an
    // empty text when the user cancelled. The defaults, for test dialogs
    // that do not override them, cancel.
    virtual QString OpenFileName(QWidget* parent, const QString& title, const QString& folder, const QString& filter);
    virtual QString SaveFileName(QWidget* parent, const QString& title, const QString& folder, const QString& filter);

    // The printer set-up dialog for printer (on Linux it also offers a PDF
    // file); true when the user chose to print. The default, for test
    // dialogs that do not override it, cancels.
    virtual bool PrinterSetup(QWidget* parent, QPrinter& printer);

    // The printer set-up with the choice of the printout's scale: fitToPage
    // (in and out) fits the circuit to the page, else it keeps the screen's
    // scale. The default, for test dialogs that do not override it, asks
    // PrinterSetup and leaves fitToPage as it was.
    virtual bool PrinterSetupWithScale(QWidget* parent, QPrinter& printer, bool& fitToPage);

    // The picture export: its options (zoom 1..3, and the signal
    // colours, offered only while the circuit runs), true when confirmed,
    // and the save chooser with several filters (";;" between them), where
    // selectedFilter is the one chosen first and, on return, the one the
    // user left chosen. The defaults, for test dialogs that do not override
    // them, cancel the options and ask SaveFileName for the name.
    virtual bool AskPictureOptions(QWidget* parent, int& zoom, bool& signalColours, bool running);
    virtual QString SavePictureName(QWidget* parent, const QString& title, const QString& folder,
                                    const QString& filters, QString& selectedFilter);

    // The sender-name dialog of the print command (sendernamedialog.h):
    // the name entered when confirmed with OK, nullopt when it was closed
    // any other way. The default, for test dialogs that do not override it,
    // cancels.
    virtual std::optional<QString> AskSenderName(QWidget* parent, const QString& prompt, const QImage& preview,
                                                 const QString& remembered);

    // The colour chooser, started at initial with its custom colours white:
    // the colour chosen, nullopt when it was cancelled. The default, for
    // test dialogs that do not override it, cancels.
    virtual std::optional<QColor> ChooseColour(QWidget* parent, const QColor& initial);

    // The naming dialog of a source or lamp (elementnamedialog.h): prompt,
    // and a field that starts with `shown`. OK hands the text to accept,
    // which returns an empty text when it took the name, else the reason it
    // refused it; a refused name keeps the dialog open with that reason.
    // True when a name was taken. The default, for test dialogs that do not
    // override it, cancels.
    virtual bool AskElementName(QWidget* parent, const QString& prompt, const QString& shown,
                                const std::function<QString(const QString&)>& accept);

    // The dialog of "Сохранить как задание…" (taskdialog.h), started from
    // choice, with the lamps offered by their shown names: true and the
    // choice as the teacher left it when confirmed with OK. The default, for
    // test dialogs that do not override it, cancels.
    virtual bool AskTaskChoice(QWidget* parent, const QStringList& lamps, TaskChoice& choice);

    // Hands a link (a web page, an e-mail to write) to the desktop; true
    // when it was taken. The default, for test dialogs that do not override
    // it, opens nothing.
    virtual bool OpenLink(const QUrl& link);

    // The dialogs in use: real ones unless a test installed others.
    static Dialogs& Current();
    // Installs replacement dialogs (nullptr restores the real ones); the
    // caller keeps ownership. Also routes the help viewer's messages about a
    // missing or damaged help file (helpviewer.h) through the dialogs in use.
    static void Install(Dialogs* dialogs);

    // Points the help viewer's message handler at Current().Message with the
    // error icon and ProgramTitle as caption. Done by Install and by
    // VornApplication's constructor.
    static void RouteHelpMessages();
};

}  // namespace vorn
