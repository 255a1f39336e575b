// The print command end to end: a real printer writing a PDF file, the page
// turned into a 96 dpi picture by pdftoppm and read back by pixels and by
// pdftotext; the set-up and sender-name dialogs answered by script; the
// clip paused around it.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <optional>

#include "clips.h"
#include "mainform.h"
#include "optform.h"
#include "programtitle.h"
#include "scripted_dialogs.h"
#include "sendernamedialog.h"
#include "settingsstore.h"
#include "shown_window.h"
#include "windowlinks.h"

using namespace vorn;
using vorn::test::Inside;

namespace {

using vorn::test::ScriptedDialogs;
using vorn::test::ShownWindow;

constexpr int kMarginPixels = 24;  // a quarter-inch page margin at 96 dpi

// Ink, including the grey edges of antialiased text.
bool Dark(QRgb pixel) { return qGray(pixel) < 200; }

class PrintingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftoppm and pdftotext (poppler-utils) are needed to read the printed pages");
    }

    void init() {
        QVERIFY(folder_.isValid());
        pdf_ = folder_.filePath(QStringLiteral("page-%1.pdf").arg(++run_));
        dialogs_ = std::make_unique<ScriptedDialogs>();
        dialogs_->printerSetup = [this](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf_);
            printer.setPageSize(QPageSize(QPageSize::Letter));
            printer.setPageMargins(QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
            printerResolution_ = printer.resolution();
            return true;
        };
        Dialogs::Install(dialogs_.get());
        window_ = ShownWindow();
    }
    void cleanup() {
        window_.reset();
        Dialogs::Install(nullptr);
        dialogs_.reset();
    }

    void settingReachesTheCommandFromTheSettingsDialog() {
        // A stored "writeuname" of 0 turns the name dialog off.
        StoredSettings stored;
        stored.writeuname = QStringLiteral("0");
        const QString settings = folder_.filePath(QStringLiteral("settings.ini"));
        QVERIFY(SettingsStore(settings).WriteAll(QStringLiteral("Vorn"), QString(), QStringLiteral("/opt/vorn"), stored));
        TOpt options(window_->CurrentSettings(), window_->State().ProgramFolder, settings);
        LinkSettings(*window_, options);
        QVERIFY(!window_->State().Settings.writeUserName);
        window_->Document().Cells().at(10, 10) = SourceOff;
        Inside(window_).PrintClick();
        QVERIFY(dialogs_->nameRequests.isEmpty());
        QVERIFY(QFile::exists(pdf_));

        options.WriteNameBox->setChecked(true);
        QVERIFY(window_->State().Settings.writeUserName);
    }

    void sourceIsPrintedAtScreenScale_data() {
        QTest::addColumn<int>("zoom");
        QTest::newRow("zoom 1") << 1;
        QTest::newRow("zoom 2") << 2;
        QTest::newRow("zoom 3") << 3;
    }
    void sourceIsPrintedAtScreenScale() {
        QFETCH(int, zoom);
        if (zoom == 1) Inside(window_).Zoom1Click();
        if (zoom == 2) Inside(window_).Zoom2Click();
        if (zoom == 3) Inside(window_).Zoom3Click();
        QCOMPARE(window_->State().ZoomFactor, zoom);
        window_->Document().Cells().at(10, 10) = SourceOff;
        window_->State().Settings.writeUserName = false;

        Inside(window_).PrintClick();
        QVERIFY(printerResolution_ > 96);  // the drawing must be scaled up to stay screen-sized
        const QImage page = PageImage();
        const int o = kMarginPixels, p = 12 * zoom;

        // Grid dots of the area's bottom row (row 12), one node apart.
        const QList<double> dots = InkCentres(page, o + 5 * p, o, o + 6 * p);
        QCOMPARE(dots.size(), 5);
        for (int i = 0; i < 5; ++i)
            QVERIFY2(std::abs(dots.at(i) - (o + i * p)) <= 1.0, qPrintable(QString::number(dots.at(i))));
        qInfo("zoom %d: one node is %.2f pixels on the page at 96 dpi", zoom, (dots.last() - dots.first()) / 4);

        // The source is node (2, 3) of the area: its box spans ±5 z around it.
        const int cx = o + 2 * p, cy = o + 3 * p;
        QVERIFY(InkNear(page, cx - 5 * zoom, cy - 2 * zoom));
        QVERIFY(InkNear(page, cx + 5 * zoom - 1, cy - 2 * zoom));
        QVERIFY(InkNear(page, cx - 2 * zoom, cy - 5 * zoom));
        QVERIFY(InkNear(page, cx - 2 * zoom, cy + 5 * zoom - 1));
        QVERIFY(Blank(page, cx - 5 * zoom - 3, cy - 3 * zoom));  // left of the box
        QVERIFY(Blank(page, cx + 5 * zoom + 2, cy - 3 * zoom));  // right of it
        QVERIFY(Blank(page, cx - 5 * zoom + 2, cy - 5 * zoom + 2));  // inside, off the label
        // Nothing right of or below the area.
        QCOMPARE(DarkPixels(page, QRect(o + 5 * p - zoom, o + 30, page.width(), page.height())), 0);
        QCOMPARE(DarkPixels(page, QRect(0, o + 6 * p - zoom, page.width(), page.height())), 0);
        QCOMPARE(PageText(), QStringLiteral(". ") + ProgramTitleText());
    }

    void emptyCircuitPrintsOnlyTheHeader() {
        window_->State().Settings.writeUserName = false;
        Inside(window_).Print1->trigger();
        QVERIFY(dialogs_->nameRequests.isEmpty());
        const QImage page = PageImage();
        QRect ink;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (Dark(page.pixel(x, y))) ink |= QRect(x, y, 1, 1);
        QVERIFY(!ink.isNull());
        // The header line starts at (5, 5) of the printable area, at screen scale.
        const int o = kMarginPixels;
        QVERIFY2(ink.left() >= o + 5 && ink.left() <= o + 12, qPrintable(QString::number(ink.left())));
        QVERIFY2(ink.top() >= o + 5 && ink.top() <= o + 20, qPrintable(QString::number(ink.top())));
        QVERIFY2(ink.bottom() <= o + 30, qPrintable(QString::number(ink.bottom())));
        QVERIFY(ink.right() < o + 300);
        QCOMPARE(PageText(), QStringLiteral(". ") + ProgramTitleText());
    }

    void runningCircuitIsPrintedWithoutSignalColours() {
        CellGrid& cells = window_->Document().Cells();
        cells.at(10, 10) = SourceOn;
        for (int x = 11; x < 15; ++x) cells.at(x, 10) = WireE;
        cells.at(16, 10) = Lamp;
        cells.at(10, 11) = WireS;
        window_->State().Settings.writeUserName = false;
        Inside(window_).Run2Click();
        QVERIFY(window_->State().RunMode);
        // On screen the circuit shows its signal in colour.
        QVERIFY(CountColoured(Inside(window_).Image3->Picture()) > 0);

        Inside(window_).PrintClick();
        const QImage page = PageImage();
        QCOMPARE(CountColoured(page), 0);
        // The wire from the source to the lamp is there, in black.
        const int o = kMarginPixels, y = o + 3 * 24;
        for (int x = o + 4 * 24 + 12; x < o + 7 * 24; x += 6) QVERIFY(InkNear(page, x, y));
        QVERIFY(window_->State().RunMode);
    }

    void senderNameHeadsThePageAndIsRemembered() {
        window_->Document().Cells().at(10, 10) = SourceOff;
        Inside(window_).SenderName = QStringLiteral("Старое");
        dialogs_->senderNames << std::optional<QString>(QStringLiteral("Иванов"));
        Inside(window_).PrintClick();

        QCOMPARE(dialogs_->nameRequests.size(), 1);
        const ScriptedDialogs::NameRequest& request = dialogs_->nameRequests.first();
        QCOMPARE(request.prompt, QStringLiteral("Введите имя отправителя (меньше 20 символов)"));
        QCOMPARE(request.remembered, QStringLiteral("Старое"));
        QCOMPARE(request.preview.size(), QSize(400, 400));
        // The preview holds the circuit as printed: the source box at 24 z, 36 z.
        QCOMPARE(request.preview.pixel(48 - 10, 72), qRgb(0, 0, 0));
        QCOMPARE(Inside(window_).SenderName, QStringLiteral("Иванов"));
        QCOMPARE(PageText(), QStringLiteral("Иванов. ") + ProgramTitleText());
    }

    void noNameMeansNoPage_data() {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QString>("remembered");
        QTest::newRow("closed without OK") << std::optional<QString>() << QStringLiteral("Старое");
        QTest::newRow("OK on an empty field") << std::optional<QString>(QString()) << QString();
    }
    void noNameMeansNoPage() {
        QFETCH(std::optional<QString>, answer);
        QFETCH(QString, remembered);
        window_->Document().Cells().at(10, 10) = SourceOff;
        Inside(window_).SenderName = QStringLiteral("Старое");
        dialogs_->senderNames << answer;
        Inside(window_).PrintClick();
        QCOMPARE(dialogs_->nameRequests.size(), 1);
        QVERIFY(!QFile::exists(pdf_));
        QCOMPARE(Inside(window_).SenderName, remembered);
    }

    void cancelledSetUpPrintsNothing() {
        window_->Document().Cells().at(10, 10) = SourceOff;
        dialogs_->printerSetup = [this](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf_);
            return false;
        };
        QSignalSpy cleared(window_.get(), &Tmain::clipProgressCleared);
        Inside(window_).PrintClick();
        QCOMPARE(dialogs_->printerSetups, 1);
        QVERIFY(dialogs_->nameRequests.isEmpty());
        QVERIFY(!QFile::exists(pdf_));
        QCOMPARE(cleared.count(), 1);  // no clip was playing: the command stops clips
    }

    // A job that cannot start is reported, not passed over in silence.
    void printerThatRefusesTheJobIsReported() {
        window_->Document().Cells().at(10, 10) = SourceOff;
        dialogs_->printerSetup = [this](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf_ + QStringLiteral(".missing/page.pdf"));
            return true;
        };
        dialogs_->senderNames << QStringLiteral("Иван");
        Inside(window_).PrintClick();
        QCOMPARE(dialogs_->messages.size(), 1);
        QVERIFY(dialogs_->messages.first().startsWith(QStringLiteral("Не удалось начать печать")));
    }

    void secondPreviewShowsOnlyWhatIsLeft() {
        CellGrid& cells = window_->Document().Cells();
        cells.at(10, 10) = SourceOff;
        cells.at(14, 12) = Lamp;  // node (6, 5) of the first area
        dialogs_->senderNames << std::optional<QString>(QStringLiteral("А")) << std::optional<QString>();
        Inside(window_).PrintClick();
        cells.at(14, 12) = Empty;
        Inside(window_).PrintClick();
        QCOMPARE(dialogs_->nameRequests.size(), 2);
        const QImage first = dialogs_->nameRequests.at(0).preview, second = dialogs_->nameRequests.at(1).preview;
        const QRect lamp(6 * 24 - 8, 5 * 24 - 8, 16, 16);
        QVERIFY(DarkPixels(first, lamp) > 10);
        QCOMPARE(DarkPixels(second, lamp), 0);
        QCOMPARE(second.pixel(48 - 10, 72), qRgb(0, 0, 0));  // the source is still there
        // The second answer was a cancel: the name stays.
        QCOMPARE(Inside(window_).SenderName, QStringLiteral("А"));
    }

    void playingClipIsPausedAndResumed() {
        window_->Clips().IsWindowActive = [] { return true; };
        QVERIFY(window_->StartClip(BuiltInClip(1), 1));
        QVERIFY(window_->Clips().Playing());
        bool playingDuringSetUp = true;
        dialogs_->printerSetup = [&](QPrinter&) {
            playingDuringSetUp = window_->Clips().Playing();
            return false;
        };
        QSignalSpy cleared(window_.get(), &Tmain::clipProgressCleared);
        Inside(window_).PrintClick();
        QVERIFY(!playingDuringSetUp);
        QVERIFY(window_->Clips().Playing());
        QCOMPARE(cleared.count(), 0);
    }

private:
    // The printed file as 96 dpi pictures: exactly one page is expected.
    QImage PageImage() {
        [&] { QVERIFY2(QFile::exists(pdf_), "nothing was printed"); }();
        const QString prefix = pdf_ + QStringLiteral("-png");
        QProcess process;
        process.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"),
                                                   pdf_, prefix});
        [&] {
            QVERIFY(process.waitForFinished(30000));
            QCOMPARE(process.exitCode(), 0);
        }();
        const QStringList pages =
            QDir(folder_.path()).entryList({QFileInfo(prefix).fileName() + QStringLiteral("-*.png")}, QDir::Files);
        [&] { QCOMPARE(pages.size(), 1); }();
        if (pages.isEmpty()) return {};
        return QImage(folder_.filePath(pages.first())).convertToFormat(QImage::Format_RGB32);
    }

    QString PageText() {
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {pdf_, QStringLiteral("-")});
        if (!process.waitForFinished(30000)) return QStringLiteral("<pdftotext did not finish>");
        return QString::fromUtf8(process.readAllStandardOutput()).remove(QChar('\f')).trimmed();
    }

    // Some ink at or next to a pixel: the page rendering may spread a
    // one-pixel line over two pixels.
    static bool InkNear(const QImage& page, int x, int y) {
        int darkest = 255;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) darkest = std::min(darkest, qGray(page.pixel(x + dx, y + dy)));
        return darkest < 160;
    }
    static bool Blank(const QImage& page, int x, int y) { return qGray(page.pixel(x, y)) >= 240; }

    // The ink-weighted centres of the marks crossing row y (and the rows
    // beside it) between x = from and x = to.
    static QList<double> InkCentres(const QImage& page, int y, int from, int to) {
        QList<double> centres;
        double weight = 0, moment = 0;
        for (int x = from; x <= to + 1; ++x) {
            double ink = 0;
            if (x <= to)
                for (int dy = -1; dy <= 1; ++dy) ink += 255 - qGray(page.pixel(x, y + dy));
            if (ink > 30) {
                weight += ink;
                moment += ink * x;
            } else if (weight > 0) {
                centres << moment / weight;
                weight = moment = 0;
            }
        }
        return centres;
    }
    static int DarkPixels(const QImage& image, const QRect& within) {
        int count = 0;
        const QRect area = within & image.rect();
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) count += Dark(image.pixel(x, y));
        return count;
    }

    // Pixels whose channels differ clearly: anything but black, grey and white.
    static int CountColoured(const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y);
                const int high = std::max({qRed(c), qGreen(c), qBlue(c)});
                const int low = std::min({qRed(c), qGreen(c), qBlue(c)});
                count += high - low > 24;
            }
        return count;
    }

    QTemporaryDir folder_;
    int run_ = 0;
    QString pdf_;
    int printerResolution_ = 0;
    std::unique_ptr<ScriptedDialogs> dialogs_;
    std::unique_ptr<Tmain> window_;
};

}  // namespace

QTEST_MAIN(PrintingTest)
#include "mainform_printing_test.moc"
