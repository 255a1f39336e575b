// The print command: printer set-up, the sender's name with a preview, and
// one page with a header line and the circuit, at the screen's scale or
// fitted to the page.
#include <QImage>
#include <QPainter>
#include <QPrinter>

#include <optional>

#include "dialogs.h"
#include "fittedpage.h"
#include "mainform.h"
#include "printcircuit.h"
#include "programtitle.h"
#include "sendernamedialog.h"
#include "settingsstore.h"

namespace vorn {

namespace {

// The settings value that remembers whether printouts fit the page.
const QString kPrintFitKey = QStringLiteral("PrintFit");

// Runs the dialogs and prints; returns without printing when the user
// cancels one of them. senderName: the last name accepted, offered again.
void PrintWithDialogs(Tmain& window, QString& senderName) {
    ProgramState& s = window.State();
    const CircuitDocument& document = window.Document();
    const PictureSource circuit{document.Cells(), document.Signals(), document.Names()};
    QPrinter printer(QPrinter::HighResolution);
    SettingsStore settings(s.SettingsFile);
    bool fitToPage = settings.ReadOption(kPrintFitKey) == QStringLiteral("1");
    if (!Dialogs::Current().PrinterSetupWithScale(&window, printer, fitToPage)) return;
    settings.WriteOption(kPrintFitKey, fitToPage ? QStringLiteral("1") : QStringLiteral("0"));

    QString sender;
    if (s.Settings.writeUserName) {
        QImage preview(kSenderPreviewSide, kSenderPreviewSide, QImage::Format_RGB32);
        preview.fill(Qt::white);
        if (fitToPage) {  // the page's layout, shrunk to the preview
            QPainter painter(&preview);
            DrawFittedPage(painter, circuit, QString());
        } else {
            PrintCircuit(preview, document.Cells(), s.ZoomFactor, document.Names());
        }
        const std::optional<QString> answer =
            Dialogs::Current().AskSenderName(&window, SenderNamePrompt(), preview, senderName);
        if (answer) senderName = *answer;
        sender = answer.value_or(QString());
        if (sender.isEmpty()) return;
    }

    QPainter painter;
    if (!painter.begin(&printer)) {
        // No job was started (a file that cannot be written, a printer that
        // has gone): say so rather than let the user wait for a page.
        Dialogs::Current().Message(&window, QMessageBox::Warning, ProgramTitleText(),
                                   Tmain::tr("Не удалось начать печать: принтер или файл недоступен."),
                                   QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    const QString header = sender + QStringLiteral(". ") + ProgramTitleText();
    if (fitToPage)
        DrawFittedPage(painter, circuit, header);
    else
        PrintPage(painter, document.Cells(), s.ZoomFactor, header, document.Names());
    painter.end();
}

}  // namespace

void Tmain::PrintClick() {
    WithClipPaused([this] { PrintWithDialogs(*this, SenderName); });
}

}  // namespace vorn
