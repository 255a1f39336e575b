#include "dialogs.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QUrl>

#include "circuitfile.h"
#include "elementnamedialog.h"
#include "helpviewer.h"
#include "openchooser.h"
#include "pictureoptionsdialog.h"
#include "printscaletab.h"
#include "sendernamedialog.h"
#include "taskdialog.h"

namespace vorn {

namespace {

// The real dialogs: Qt's message box, modal, owned by parent (none when
// parent is nullptr).
class RealDialogs final : public Dialogs {
public:
    QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                        const QString& text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override {
        QMessageBox box(icon, title, text, buttons, parent);
        if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
        box.exec();
        return box.standardButton(box.clickedButton());
    }

    QMessageBox::StandardButton MessageWithCheckBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                                    const QString& text, const QString& checkBoxCaption,
                                                    bool& checked) override {
        QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
        box.setDefaultButton(QMessageBox::Ok);
        box.setMinimumWidth(160);
        auto* checkBox = new QCheckBox(checkBoxCaption, &box);
        checkBox->setChecked(false);
        box.setCheckBox(checkBox);
        box.exec();
        checked = checkBox->isChecked();
        return box.standardButton(box.clickedButton());
    }

    QString OpenFileName(QWidget* parent, const QString& title, const QString& folder,
                         const QString& filter) override {
        const std::unique_ptr<QFileDialog> chooser = MakeOpenChooser(parent, title, folder, filter);
        if (chooser->exec() != QDialog::Accepted) return {};
        return chooser->selectedFiles().value(0);
    }

    QString SaveFileName(QWidget* parent, const QString& title, const QString& folder,
                         const QString& filter) override {
        // The program appends the extension and asks about overwriting itself.
        return QFileDialog::getSaveFileName(parent, title, folder, filter, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    }

    bool PrinterSetup(QWidget* parent, QPrinter& printer) override {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }

    bool PrinterSetupWithScale(QWidget* parent, QPrinter& printer, bool& fitToPage) override {
        QPrintDialog dialog(&printer, parent);
        auto* tab = new PrintScaleTab(fitToPage);
        dialog.setOptionTabs({tab});  // the dialog's pages take it over
        const bool accepted = dialog.exec() == QDialog::Accepted;
        if (accepted) fitToPage = tab->FitToPage();
        if (!tab->parent()) delete tab;  // a dialog without option pages left it alone
        return accepted;
    }

    bool AskPictureOptions(QWidget* parent, int& zoom, bool& signalColours, bool running) override {
        PictureOptionsDialog dialog(parent, zoom, signalColours, running);
        if (dialog.exec() != QDialog::Accepted) return false;
        zoom = dialog.Zoom();
        signalColours = dialog.SignalColours();
        return true;
    }

    QString SavePictureName(QWidget* parent, const QString& title, const QString& folder, const QString& filters,
                            QString& selectedFilter) override {
        // The program appends the extension and asks about overwriting itself.
        return QFileDialog::getSaveFileName(parent, title, folder, filters, &selectedFilter,
                                            QFileDialog::DontConfirmOverwrite);
    }

    std::optional<QString> AskSenderName(QWidget* parent, const QString& prompt, const QImage& preview,
                                         const QString& remembered) override {
        SenderNameDialog dialog(parent, prompt, preview, remembered);
        return dialog.Ask();
    }

    bool AskElementName(QWidget* parent, const QString& prompt, const QString& shown,
                        const std::function<QString(const QString&)>& accept) override {
        ElementNameDialog dialog(parent, prompt, shown, accept);
        return dialog.Ask();
    }

    bool AskTaskChoice(QWidget* parent, const QStringList& lamps, TaskChoice& choice) override {
        TaskDialog dialog(parent, lamps, choice);
        if (dialog.exec() != QDialog::Accepted) return false;
        choice = dialog.Choice();
        return true;
    }

    std::optional<QColor> ChooseColour(QWidget* parent, const QColor& initial) override {
        // The custom colours start white each time.
        for (int i = 0; i < QColorDialog::customCount(); ++i) QColorDialog::setCustomColor(i, Qt::white);
        const QColor chosen = QColorDialog::getColor(initial, parent);
        if (!chosen.isValid()) return std::nullopt;
        return chosen;
    }
    bool OpenLink(const QUrl& link) override { return QDesktopServices::openUrl(link); }
};

RealDialogs& Real() {
    static RealDialogs dialogs;
    return dialogs;
}

Dialogs*& Installed() {
    static Dialogs* dialogs = nullptr;
    return dialogs;
}

void HelpMessageThroughDialogs(QWidget* parent, const QString& text) {
    Dialogs::Current().Message(parent, QMessageBox::Critical, QString::fromUtf8(ProgramTitle.data(), ProgramTitle.size()),
                               text, QMessageBox::Ok, QMessageBox::Ok);
}

}  // namespace

QString Dialogs::OpenFileName(QWidget*, const QString&, const QString&, const QString&) { return {}; }

std::optional<QColor> Dialogs::ChooseColour(QWidget*, const QColor&) { return std::nullopt; }

bool Dialogs::AskTaskChoice(QWidget*, const QStringList&, TaskChoice&) { return false; }

bool Dialogs::OpenLink(const QUrl&) { return false; }

QString Dialogs::SaveFileName(QWidget*, const QString&, const QString&, const QString&) { return {}; }

bool Dialogs::PrinterSetup(QWidget*, QPrinter&) { return false; }

bool Dialogs::PrinterSetupWithScale(QWidget* parent, QPrinter& printer, bool&) { return PrinterSetup(parent, printer); }

bool Dialogs::AskPictureOptions(QWidget*, int&, bool&, bool) { return false; }

QString Dialogs::SavePictureName(QWidget* parent, const QString& title, const QString& folder, const QString& filters,
                                 QString&) {
    return SaveFileName(parent, title, folder, filters);
}

std::optional<QString> Dialogs::AskSenderName(QWidget*, const QString&, const QImage&, const QString&) {
    return std::nullopt;
}

bool Dialogs::AskElementName(QWidget*, const QString&, const QString&, const std::function<QString(const QString&)>&) {
    return false;
}

QMessageBox::StandardButton Dialogs::MessageWithCheckBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                                         const QString& text, const QString& /*checkBoxCaption*/,
                                                         bool& checked) {
    checked = false;
    return Message(parent, icon, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

Dialogs& Dialogs::Current() {
    Dialogs* installed = Installed();
    return installed ? *installed : Real();
}

void Dialogs::Install(Dialogs* dialogs) {
    Installed() = dialogs;
    RouteHelpMessages();
}

void Dialogs::RouteHelpMessages() { HelpViewer::SetMessageHandler(&HelpMessageThroughDialogs); }

}  // namespace vorn
