// The picture export from the File menu and the printout fitted to the page,
// read back by pdftoppm at 300 dpi, with the dialogs answered by script.
#include <QAction>
#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>
#include <utility>

#include "circuitpicture.h"
#include "mainform.h"
#include "scripted_dialogs.h"
#include "settingsstore.h"
#include "shown_window.h"

using namespace vorn;
using vorn::test::Inside;

namespace {

using vorn::test::EditDocument;

class PictureDialogs : public vorn::test::ScriptedDialogs {
public:
    std::optional<bool> fitOffered;  // what the last printer set-up started with; it answers "fit"
    QString filterAnswer, nameAnswer;

    bool PrinterSetupWithScale(QWidget* parent, QPrinter& printer, bool& fitToPage) override {
        fitOffered = std::exchange(fitToPage, true);
        return PrinterSetup(parent, printer);
    }
    bool AskPictureOptions(QWidget*, int& zoom, bool&, bool) override { zoom = 1; return true; }
    QString SavePictureName(QWidget*, const QString&, const QString&, const QString&, QString& filter) override {
        filter = filterAnswer;
        return nameAnswer;
    }
};

// Columns of the page with ink in rows [top, bottom).
std::pair<int, int> InkColumns(const QImage& page, int top, int bottom) {
    int left = page.width(), right = -1;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 128) left = std::min(left, x), right = std::max(right, x);
    return {left, right};
}

class MainformExportTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        dialogs_ = std::make_unique<PictureDialogs>();
        Dialogs::Install(dialogs_.get());
        window_ = vorn::test::ShownWindow();
        window_->State().SettingsFile = folder_.filePath(QStringLiteral("vorn.ini"));
    }
    void cleanup() { window_.reset(); Dialogs::Install(nullptr); }

    void exportTakesTheTypeOfTheChosenFilter() {
        Inside(window_).Export1->trigger();
        QCOMPARE(dialogs_->messages, QStringList{QStringLiteral("На поле нет схемы: рисовать нечего.")});
        EditDocument(*window_, 10, 10, SourceOff);
        dialogs_->filterAnswer = QStringLiteral("Рисунок SVG (*.svg)");
        dialogs_->nameAnswer = folder_.filePath(QStringLiteral("circuit"));
        Inside(window_).Export1->trigger();
        QFile svg(dialogs_->nameAnswer + QStringLiteral(".svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly) && svg.readAll().contains("<polyline"));
        // A PNG at the zoom chosen: 12 pixels per node at 50 %.
        dialogs_->nameAnswer = folder_.filePath(QStringLiteral("circuit.png"));
        Inside(window_).Export1->trigger();
        QCOMPARE(QImage(dialogs_->nameAnswer).size(), QSize(3 * 12, 3 * 12));
    }

    void fittedPrintoutFillsThePageWidthSharply() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm (poppler-utils) is needed to read the printed page");
        const QString pdf = folder_.filePath(QStringLiteral("fit.pdf"));
        dialogs_->printerSetup = [&](QPrinter& printer) {
            printer.setOutputFileName(pdf);  // a PDF, by the name
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
            return true;
        };
        // A source, a wire of 30 nodes and a named lamp: wider than tall.
        EditDocument(*window_, 10, 20, SourceOn);
        for (int x = 11; x < 41; ++x) EditDocument(*window_, x, 20, WireE);
        EditDocument(*window_, 41, 20, Lamp);
        window_->Document().Rename({41, 20}, "Выход");
        dialogs_->senderNames = {QStringLiteral("Учитель"), QStringLiteral("Учитель")};
        Inside(window_).Print1->trigger();
        // The preview shows the fitted layout: the whole picture across its width.
        const QImage preview = dialogs_->nameRequests.value(0).preview;
        const auto [previewLeft, previewRight] = InkColumns(preview, 0, preview.height());
        QVERIFY2(previewRight - previewLeft > 360 && previewRight < 396, qPrintable(QStringLiteral("%1 %2").arg(previewLeft).arg(previewRight)));
        QCOMPARE(dialogs_->fitOffered, std::optional<bool>(false));
        QCOMPARE(SettingsStore(window_->State().SettingsFile).ReadOption(QStringLiteral("PrintFit")),
                 std::optional<QString>(QStringLiteral("1")));

        const QString prefix = folder_.filePath(QStringLiteral("fit"));
        QCOMPARE(QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("300"),
                                                                QStringLiteral("-gray"), QStringLiteral("-png"),
                                                                QStringLiteral("-singlefile"), pdf, prefix}),
                 0);
        const QImage page(prefix + QStringLiteral(".png"));
        QCOMPARE(page.width(), 2480);  // A4 at 300 dpi
        const int margin = 118;        // 10 mm
        const CircuitDocument& d = window_->Document();
        const double pitch = (page.width() - 2.0 * margin) / PictureArea({d.Cells(), d.Signals(), d.Names()})->Columns();
        const int halfNode = static_cast<int>(pitch / 2);
        // Below the header line, the ink spans the printable width but for
        // the half node of white around the picture's outer grid dots.
        const auto [left, right] = InkColumns(page, 280, page.height());
        QVERIFY2(left >= margin && left <= margin + halfNode + 4, qPrintable(QString::number(left)));
        QVERIFY2(right <= page.width() - margin && right >= page.width() - margin - halfNode - 4,
                 qPrintable(QString::number(right)));
        // The wire across the middle, between two grid dots: a few dark
        // pixels with at most one grey pixel on either edge, not a smeared bitmap.
        int dark = 0, grey = 0;
        for (int y = 280; y < page.height(); ++y) {
            const int g = qGray(page.pixel(margin + static_cast<int>(17 * pitch), y));
            dark += g < 64;
            grey += g >= 64 && g < 192;
        }
        QVERIFY2(dark >= 2 && dark <= 8 && grey <= 2, qPrintable(QStringLiteral("%1 %2").arg(dark).arg(grey)));

        // The header line and the name are text on the page.
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished());
        const QString words = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(words.contains(QStringLiteral("Учитель. Vorn v1.1")) && words.contains(QStringLiteral("Выход")),
                 qPrintable(words));

        // The choice is offered again next time.
        Inside(window_).Print1->trigger();
        QCOMPARE(dialogs_->fitOffered, std::optional<bool>(true));
    }

private:
    QTemporaryDir folder_;
    std::unique_ptr<PictureDialogs> dialogs_;
    std::unique_ptr<Tmain> window_;
};

}  // namespace

QTEST_MAIN(MainformExportTest)
#include "mainform_export_test.moc"
