// The settings dialog: defaults without a settings file, reading and
// clamping stored values, what is written and when, the colour swatches and
// their preview, opening and closing over the main window.
#include <algorithm>
#include <optional>
#include <tuple>
#include <utility>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "circuitfile.h"
#include "dialogs.h"
#include "optform.h"
#include "recoverykeeper.h"
#include "settingsstore.h"
#include "shown_window.h"
#include "uilanguage.h"
#include "windowlinks.h"

using namespace vorn;
using vorn::test::Inside;

namespace {

class RecordingDialogs : public Dialogs {
public:
    int calls = 0;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title, text;
    QMessageBox::StandardButton Message(QWidget*, QMessageBox::Icon shownIcon, const QString& shownTitle,
                                        const QString& shownText, QMessageBox::StandardButtons,
                                        QMessageBox::StandardButton) override {
        ++calls;
        icon = shownIcon;
        title = shownTitle;
        text = shownText;
        return QMessageBox::Ok;
    }
    // The colour chooser's answer; cancels when unset.
    std::function<std::optional<QColor>(const QColor&)> colour;
    std::optional<QColor> ChooseColour(QWidget*, const QColor& initial) override {
        return colour ? colour(initial) : std::nullopt;
    }
};

// A settings dialog tied to the window as the program ties them.
std::unique_ptr<TOpt> LinkedDialog(Tmain& window, const QString& path) {
    auto dialog = std::make_unique<TOpt>(window.CurrentSettings(), window.State().ProgramFolder, path);
    LinkSettings(window, *dialog);
    return dialog;
}

bool HasPixel(const QImage& image, const QColor& colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).rgb() == colour.rgb()) return true;
    return false;
}

StoredSettings ReadBack(const QString& path) {
    StoredSettings values;
    if (!SettingsStore(path).ReadOptions(values)) qWarning("settings file not readable");
    return values;
}

void WriteOptions(const QString& path, const StoredSettings& values) {
    QVERIFY(SettingsStore(path).WriteAll("Vorn", "", "/opt/vorn", values));
}

}  // namespace

class OptFormTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    RecordingDialogs dialogs_;  // answers the colour chooser
    QString Path() const { return dir_.filePath("vorn.ini"); }

private slots:
    void init() {
        QFile::remove(Path());
        Dialogs::Install(&dialogs_);
    }
    void cleanup() { Dialogs::Install(nullptr); }

    void closingTheMainWindowWritesTheSettingsEvenWhenRefused() {
        auto window = test::ShownWindow();
        const auto linked = LinkedDialog(*window, Path());
        RecordingDialogs dialogs;  // answers the unsaved-changes prompt with neither Yes nor No
        Dialogs::Install(&dialogs);
        test::EditDocument(*window, 3, 3, Lamp);
        QVERIFY(!window->close());
        QCOMPARE(dialogs.calls, 1);
        QCOMPARE(ReadBack(Path()).co.value_or("<absent>"), QStringLiteral("clBlack"));
    }

    void withoutAFileTheDefaultsStandAndSavingWritesThem() {
        // The scroll step starts as the main window has it.
        UserSettings initial;
        initial.km = 4;
        const int wheelLines = 4;
        TOpt dialog(initial, QStringLiteral("/opt/vorn"), Path());
        QCOMPARE(dialog.SwatchColour(0), QColor(0, 0, 0));
        QCOMPARE(dialog.SwatchColour(1), QColor(32, 188, 255));
        QCOMPARE(dialog.SwatchColour(2), QColor(255, 0, 0));
        QCOMPARE(dialog.ScrollStepEdit->value(), wheelLines);
        QCOMPARE(dialog.ShiftFactorEdit->value(), 5);
        QVERIFY(dialog.ShowMasterAtStart());
        QVERIFY(dialog.WriteUserName());
        QCOMPARE(dialog.IconNumber(), 1);
        QCOMPARE(dialog.ExampleNumber(), 1);

        dialog.SaveSettings();
        const StoredSettings saved = ReadBack(Path());
        const std::pair<std::optional<QString> StoredSettings::*, QString> written[] = {
            {&StoredSettings::co, "clBlack"},   {&StoredSettings::bc, "$00FFBC20"}, {&StoredSettings::gc, "clRed"},
            {&StoredSettings::ShowMaster, "1"}, {&StoredSettings::writeuname, "1"}, {&StoredSettings::tbp, "1"},
            {&StoredSettings::km, QString::number(wheelLines)}, {&StoredSettings::kmiddles, "5"},
            {&StoredSettings::UndoSteps, "5"},  {&StoredSettings::RecoverySeconds, "30"},
        };
        for (const auto& [field, value] : written) QCOMPARE((saved.*field).value_or("<absent>"), value);
    }

    void storedValuesAreReadClampedOrIgnoredWhenDamaged() {
        StoredSettings stored;
        stored.ShowMaster = "0";
        stored.writeuname = "yes";  // only "1" checks the box
        stored.co = "clLime";
        stored.bc = "not a colour";
        stored.gc = "$000000FF";
        stored.tbp = "7";
        stored.km = "0";
        stored.kmiddles = "250";
        WriteOptions(Path(), stored);
        TOpt dialog(UserSettings{}, QStringLiteral("/opt/vorn"), Path());
        QVERIFY(!dialog.ShowMasterAtStart());
        QVERIFY(!dialog.WriteUserName());
        QCOMPARE(dialog.SwatchColour(0), QColor(0, 255, 0));
        QCOMPARE(dialog.SwatchColour(1), QColor(32, 188, 255));
        QCOMPARE(dialog.SwatchColour(2), QColor(255, 0, 0));
        QCOMPARE(dialog.Settings().colors.wire, QColor(0, 255, 0));
        QCOMPARE(dialog.Settings().colors.zero, QColor(32, 188, 255));
        QCOMPARE(dialog.IconNumber(), 3);
        QCOMPARE(dialog.ScrollStepEdit->value(), 1);
        QCOMPARE(dialog.Settings().km, 1);
        QCOMPARE(dialog.ShiftFactorEdit->value(), 100);
        QCOMPARE(dialog.Settings().kmiddles, 100);

        // Garbage keeps what the controls hold; a negative step clamps.
        stored = {};
        stored.km = "12abc";
        stored.kmiddles = "-5";
        stored.tbp = "x";
        stored.ShowMaster = "1";
        WriteOptions(Path(), stored);
        dialog.ScrollStepEdit->setValue(7);
        WriteOptions(Path(), stored);  // the change above saved; write the test values again
        dialog.LoadSettings();
        QCOMPARE(dialog.ScrollStepEdit->value(), 7);
        QCOMPARE(dialog.Settings().km, 7);
        QCOMPARE(dialog.ShiftFactorEdit->value(), 1);
        QCOMPARE(dialog.IconNumber(), 3);
        QVERIFY(dialog.ShowMasterAtStart());

        // A file that cannot be read changes nothing.
        QFile::remove(Path());
        dialog.LoadSettings();
        QCOMPARE(dialog.ScrollStepEdit->value(), 7);
        QCOMPARE(dialog.SwatchColour(0), QColor(0, 255, 0));
    }

    // The lit lamp's colour, its fill and thick "1" wires: read, written
    // back, and damaged values giving the defaults.
    void signalCuesRoundTrip() {
        const struct {
            const char *fill, *thick, *lamp;
            bool fillOn, thickOn;
            QColor colour;
        } rows[] = {{"0", "1", "clLime", false, true, QColor(0, 255, 0)},
                    {"yes", "2", "no colour", true, false, CircuitColors().lit}};
        for (const auto& row : rows) {
            StoredSettings stored;
            std::tie(stored.LampFill, stored.ThickOnes, stored.LampColour) = std::tuple(row.fill, row.thick, row.lamp);
            WriteOptions(Path(), stored);
            TOpt dialog(UserSettings{}, QStringLiteral("/opt/vorn"), Path());
            const CircuitColors& read = dialog.Settings().colors;
            QCOMPARE(std::tuple(read.fillLitLamps, read.thickOnes, read.lit, dialog.SwatchColour(3)),
                     std::tuple(row.fillOn, row.thickOn, row.colour, row.colour));
            dialog.SaveSettings();
            const StoredSettings saved = ReadBack(Path());
            QCOMPARE(saved.LampFill.value_or("<absent>") + saved.ThickOnes.value_or("<absent>"),
                     QString::number(row.fillOn) + QString::number(row.thickOn));
            QCOMPARE(TOpt(UserSettings{}, QStringLiteral("/opt/vorn"), Path()).Settings().colors.lit, row.colour);
        }
    }

    void colourBlindPaletteAndThickOnesReachTheWindowAndThePreview() {
        auto window = test::ShownWindow();
        const auto linked = LinkedDialog(*window, Path());
        TOpt& dialog = *linked;
        dialog.ExampleDraw = [] { return 1; };
        dialog.Open();
        dialog.PageTree->setCurrentItem(dialog.PageTree->topLevelItem(1));
        const QColor blue(0x00, 0x72, 0xB2), orange(0xE6, 0x9F, 0x00);
        QVERIFY(!HasPixel(dialog.PreviewImage(), orange));
        QTest::mouseClick(dialog.ColourBlindButton, Qt::LeftButton);
        QCOMPARE(std::pair(dialog.SwatchColour(1), dialog.SwatchColour(2)), std::pair(blue, orange));
        QCOMPARE(std::pair(window->CurrentSettings().colors.zero, window->CurrentSettings().colors.one),
                 std::pair(blue, orange));
        QVERIFY(HasPixel(dialog.PreviewImage(), orange) && HasPixel(dialog.PreviewImage(), blue));
        dialog.ThickOnesBox->setChecked(true);
        QVERIFY(window->CurrentSettings().colors.thickOnes);
        QCOMPARE(ReadBack(Path()).ThickOnes.value_or("<absent>"), QStringLiteral("1"));
        QVERIFY(HasPixel(dialog.PreviewImage(), CircuitColors().lit));  // the example's lit lamp
        dialog.LitFillBox->setChecked(false);
        QVERIFY(!HasPixel(dialog.PreviewImage(), CircuitColors().lit) && !window->CurrentSettings().colors.fillLitLamps);
    }

    void controlsSaveWhenReleasedOrChanged() {
        auto window = test::ShownWindow();
        const auto linked = LinkedDialog(*window, Path());
        TOpt& dialog = *linked;
        dialog.Open();
        QVERIFY(!QFile::exists(Path()));

        QTest::mouseClick(dialog.ShowMasterBox, Qt::LeftButton);
        QVERIFY(!dialog.ShowMasterAtStart());
        QCOMPARE(ReadBack(Path()).ShowMaster.value_or("<absent>"), QStringLiteral("0"));  // the state after the click

        dialog.ShiftFactorEdit->setValue(9);
        QCOMPARE(ReadBack(Path()).kmiddles.value_or("<absent>"), QStringLiteral("9"));
        QCOMPARE(window->State().Settings.kmiddles, 9);

        // The user-name box is not among the saving controls.
        QTest::mouseClick(dialog.WriteNameBox, Qt::LeftButton);
        QCOMPARE(ReadBack(Path()).writeuname.value_or("<absent>"), QStringLiteral("1"));

        QSignalSpy associate(&dialog, &TOpt::associateRequested);
        QTest::mouseClick(dialog.AssociateButton, Qt::LeftButton);
        QCOMPARE(associate.count(), 1);
        QCOMPARE(ReadBack(Path()).writeuname.value_or("<absent>"), QStringLiteral("0"));

        dialogs_.colour = [](const QColor&) { return std::optional<QColor>(QColor(0, 128, 0)); };
        dialog.PageTree->setCurrentItem(dialog.PageTree->topLevelItem(1));
        QTest::mouseClick(dialog.Swatches[0], Qt::LeftButton);
        QCOMPARE(ReadBack(Path()).co.value_or("<absent>"), QStringLiteral("clGreen"));
        QTest::mouseClick(dialog.DefaultColoursButton, Qt::LeftButton);
        QCOMPARE(dialog.SwatchColour(0), QColor(0, 0, 0));
        QCOMPARE(ReadBack(Path()).co.value_or("<absent>"), QStringLiteral("clBlack"));
        dialog.close();
    }

    // Undo steps and the recovery interval: a stored whole number within
    // its range is taken, anything else gives the default; a change is saved
    // and reaches the document and the recovery copy at once.
    void undoStepsAndRecoveryIntervalRoundTripOrFallBack() {
        const std::tuple<const char*, const char*, int, int> rows[] = {
            {"40", "0", 40, 0}, {"100", "3600", 100, 3600}, {"4", "-1", 5, 30},
            {"101", "3601", 5, 30}, {"many", "", 5, 30}, {" 7 ", "1e2", 7, 30}};
        for (const auto& [undo, recovery, undoSteps, recoverySeconds] : rows) {
            StoredSettings stored;
            stored.UndoSteps = undo;
            stored.RecoverySeconds = recovery;
            WriteOptions(Path(), stored);
            TOpt dialog(UserSettings{}, QStringLiteral("/opt/vorn"), Path());
            QCOMPARE(dialog.Settings().undoSteps, undoSteps);
            QCOMPARE(dialog.Settings().recoverySeconds, recoverySeconds);
        }
        auto window = test::ShownWindow();
        const auto linked = LinkedDialog(*window, Path());
        QCOMPARE(window->Document().HistoryDepth(), 7);  // the last row's file
        for (int x = 0; x < 9; ++x) test::EditDocument(*window, x, 1, Lamp);
        linked->UndoStepsEdit->setValue(6);
        QCOMPARE(ReadBack(Path()).UndoSteps.value_or("<absent>"), QStringLiteral("6"));
        QCOMPARE(window->Document().UndoCount(), 6);
        linked->RecoveryIntervalEdit->setValue(0);
        QCOMPARE(ReadBack(Path()).RecoverySeconds.value_or("<absent>"), QStringLiteral("0"));
        QCOMPARE(window->Recovery().Interval(), 0);
        QCOMPARE(linked->RecoveryIntervalEdit->text(), QStringLiteral("нет"));
    }

    // The language is shown as stored, written as soon as it is chosen, and
    // kept when the other settings are written.
    void languageChoiceIsReadAndWrittenAtOnce() {
        const std::pair<const char*, const char*> rows[] = {
            {"en", "English"}, {"ru", "Русский"}, {"system", "Как в системе"}, {"fr", "Как в системе"}};
        for (const auto& [stored, shown] : rows) {
            QVERIFY(SettingsStore(Path()).WriteOption(kLanguageKey, stored));
            TOpt dialog(UserSettings{}, QStringLiteral("/opt/vorn"), Path());
            QCOMPARE(dialog.LanguageBox->currentText(), QString::fromUtf8(shown));
        }
        TOpt dialog(UserSettings{}, QStringLiteral("/opt/vorn"), Path());
        dialog.LanguageBox->setCurrentIndex(dialog.LanguageBox->findText(QStringLiteral("English")));
        QCOMPARE(SettingsStore(Path()).ReadOption(kLanguageKey).value_or("<absent>"), QStringLiteral("en"));
        dialog.ScrollStepEdit->setValue(9);
        dialog.SaveSettings();
        QCOMPARE(SettingsStore(Path()).ReadOption(kLanguageKey).value_or("<absent>"), QStringLiteral("en"));
    }

    void aChosenColourReachesTheMainWindowOnlyOnClosing() {
        auto window = test::ShownWindow();
        const auto linked = LinkedDialog(*window, Path());
        TOpt& dialog = *linked;
        QColor offered;
        dialogs_.colour = [&offered](const QColor& initial) {
            offered = initial;
            return std::optional<QColor>(QColor(0, 200, 0));
        };
        Inside(window).OpenSettings();
        QVERIFY(dialog.isVisible());
        QVERIFY(!window->isEnabled());
        QVERIFY(dialog.isEnabled());
        const QImage before = Inside(window).Image3->Picture().copy();

        dialog.PageTree->setCurrentItem(dialog.PageTree->topLevelItem(1));
        QTest::mousePress(dialog.SwatchLabels[2], Qt::LeftButton);
        QCOMPARE(offered, QColor(255, 0, 0));
        QCOMPARE(dialog.SwatchColour(2), QColor(0, 200, 0));
        QCOMPARE(window->State().Settings.colors.one, QColor(255, 0, 0));
        QCOMPARE(Inside(window).Image3->Picture(), before);

        // Cancelling keeps the swatch.
        dialogs_.colour = [](const QColor&) { return std::optional<QColor>(); };
        QTest::mousePress(dialog.Swatches[1], Qt::LeftButton);
        QCOMPARE(dialog.SwatchColour(1), QColor(32, 188, 255));

        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QVERIFY(window->isEnabled());
        QCOMPARE(window->State().Settings.colors.one, QColor(0, 200, 0));
        QCOMPARE(window->State().Settings.colors.zero, QColor(32, 188, 255));
    }

    void pagesShareOnePlaceAndTheTreeSwitchesThem() {
        auto window = test::ShownWindow();
        const auto linked = LinkedDialog(*window, Path());
        TOpt& dialog = *linked;
        dialog.show();
        // 448 x 342 and two rows taller, wider only when the labels beside
        // the spin boxes need it.
        QVERIFY(dialog.width() >= 448 && dialog.height() == 342 + dialog.GeneralPage->height() - 300);
        QVERIFY(dialog.GeneralPage->height() > 300);
        for (QLabel* label : dialog.GeneralPage->findChildren<QLabel*>())
            for (QSpinBox* edit : dialog.GeneralPage->findChildren<QSpinBox*>())
                if (label->y() < edit->geometry().bottom() && label->geometry().bottom() > edit->y())  // one row
                    QVERIFY2(label->x() + label->sizeHint().width() <= edit->x(), qPrintable(label->text()));
        for (QSpinBox* edit : dialog.GeneralPage->findChildren<QSpinBox*>())
            QVERIFY(edit->geometry().right() < dialog.GeneralPage->width() && edit->y() + edit->height() < dialog.GeneralPage->height());
        QCOMPARE(dialog.PageTree->topLevelItemCount(), 2);
        QCOMPARE(dialog.GeneralPage->pos(), QPoint(134, 4));
        QCOMPARE(dialog.ColoursPage->geometry(), dialog.GeneralPage->geometry());
        QCOMPARE(dialog.CloseButton->geometry().right(), dialog.width() - 9);
        QVERIFY(dialog.GeneralPage->isVisible());
        QVERIFY(!dialog.ColoursPage->isVisible());
        dialog.PageTree->setCurrentItem(dialog.PageTree->topLevelItem(1));
        QVERIFY(!dialog.GeneralPage->isVisible());
        QVERIFY(dialog.ColoursPage->isVisible());
        dialog.PageTree->setCurrentItem(dialog.PageTree->topLevelItem(0));
        QVERIFY(dialog.GeneralPage->isVisible());
        dialog.hide();
    }

    void theMoreLinkExplainsPrintingTheName() {
        RecordingDialogs dialogs;
        Dialogs::Install(&dialogs);
        auto window = test::ShownWindow();
        const auto linked = LinkedDialog(*window, Path());
        TOpt& dialog = *linked;
        dialog.show();
        QTest::mouseClick(dialog.MoreLink, Qt::LeftButton);
        QCOMPARE(dialogs.calls, 1);
        QCOMPARE(dialogs.icon, QMessageBox::Information);
        QCOMPARE(dialogs.title, QString::fromUtf8(ProgramTitle));
        QCOMPARE(dialogs.text,
                 QString::fromUtf8(
                     "Если стоит галочка, то  это имя будет указано в верху напечатанной  схемы.\r\nУдобно при "
                     "использовании программы в учебных заведениях при распечатке на сетевом принтере, тогда "
                     "проверка какой-нибудь контрольной сводится к проверке распечатанных документов (можно "
                     "установить виртуальный принтер для экономии бумаги)."));
        dialog.hide();
    }

    void thePreviewUsesTheSwatchColoursForEveryExample() {
        auto window = test::ShownWindow();
        const auto linked = LinkedDialog(*window, Path());
        TOpt& dialog = *linked;
        for (int example = 1; example <= kPreviewExamples; ++example) {
            dialog.SelectExample(example);
            QCOMPARE(dialog.ExampleNumber(), example);
            const QImage picture = dialog.PreviewImage();
            QCOMPARE(picture.size(), QSize(135, 135));
            QVERIFY2(HasPixel(picture, QColor(255, 0, 0)), qPrintable(QString::number(example)));
            QVERIFY2(HasPixel(picture, QColor(32, 188, 255)), qPrintable(QString::number(example)));
        }
        const QImage fifth = dialog.PreviewImage();
        dialog.SelectExample(4);
        QVERIFY(dialog.PreviewImage() != fifth);

        dialogs_.colour = [](const QColor&) { return std::optional<QColor>(QColor(0, 200, 0)); };
        dialog.ChooseColour(2);
        QVERIFY(!HasPixel(dialog.PreviewImage(), QColor(255, 0, 0)));
        QVERIFY(HasPixel(dialog.PreviewImage(), QColor(0, 200, 0)));
        dialog.RestoreDefaultColours();
        QVERIFY(HasPixel(dialog.PreviewImage(), QColor(255, 0, 0)));
        QVERIFY(!HasPixel(dialog.PreviewImage(), QColor(0, 200, 0)));
    }

    void showingDrawsTheExample() {
        auto window = test::ShownWindow();
        const auto linked = LinkedDialog(*window, Path());
        TOpt& dialog = *linked;
        int next = 3;
        dialog.ExampleDraw = [&next] { return next; };
        dialog.show();
        QCOMPARE(dialog.ExampleNumber(), 3);
        dialog.hide();
        next = 0;  // keeps the one shown
        dialog.show();
        QCOMPARE(dialog.ExampleNumber(), 3);
        dialog.hide();
        next = 5;
        dialog.show();
        QCOMPARE(dialog.ExampleNumber(), 5);
        dialog.hide();
    }

    void theIconPreviewFollowsTheSlider() {
        auto window = test::ShownWindow();
        const auto linked = LinkedDialog(*window, Path());
        TOpt& dialog = *linked;
        QCOMPARE(dialog.IconSlider->minimum(), 0);
        QCOMPARE(dialog.IconSlider->maximum(), 3);
        dialog.IconSlider->setValue(2);
        QCOMPARE(dialog.IconPreview->pixmap().toImage(), FileIconPicture(2).toImage());
        QVERIFY(FileIconPicture(2).toImage() != FileIconPicture(0).toImage());
        dialog.SaveSettings();
        QCOMPARE(ReadBack(Path()).tbp.value_or("<absent>"), QStringLiteral("2"));
    }
};

QTEST_MAIN(OptFormTest)
#include "optform_test.moc"
