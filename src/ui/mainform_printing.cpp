// The print command: printer set-up, the sender's name with a preview, and
// one page with the circuit and a header line.
#include <QImage>
#include <QPainter>
#include <QPrinter>

#include <optional>

#include "dialogs.h"
#include "mainform.h"
#include "printcircuit.h"
#include "programtitle.h"
#include "sendernamedialog.h"

namespace vorn {

namespace {

// Runs the dialogs and prints; returns without printing when the user
// cancels one of them.
void PrintWithDialogs(Tmain& window) {
    ProgramState& s = window.State();
    QPrinter printer(QPrinter::HighResolution);
    if (!Dialogs::Current().PrinterSetup(&window, printer)) return;

    QString sender;
    if (s.WriteUserName) {
        QImage preview(kSenderPreviewSide, kSenderPreviewSide, QImage::Format_RGB32);
        preview.fill(Qt::white);
        PrintCircuit(preview, window.Document().Cells(), s.ZoomFactor, window.Document().Names());
        const std::optional<QString> answer =
            Dialogs::Current().AskSenderName(&window, SenderNamePrompt(), preview, window.SenderName);
        if (answer) window.SenderName = *answer;
        sender = answer.value_or(QString());
        if (sender.isEmpty()) return;
    }

    QPainter painter;
    if (!painter.begin(&printer)) {
        // No job was started (a file that cannot be written, a printer that
        // has gone): say so rather than let the user wait for a page.
        Dialogs::Current().Message(&window, QMessageBox::Warning, ProgramTitleText(),
                                   QStringLiteral("Не удалось начать печать: принтер или файл недоступен."),
                                   QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    PrintPage(painter, window.Document().Cells(), s.ZoomFactor, sender + QStringLiteral(". ") + ProgramTitleText(),
              window.Document().Names());
    painter.end();
}

}  // namespace

void Tmain::PrintClick() {
    // A playing clip waits while the dialogs are open.
    const bool paused = clips_->Playing();
    if (paused) PauseClip();
    PrintWithDialogs(*this);
    if (paused)
        ResumeClip();
    else
        StopClip();
}

}  // namespace vorn
