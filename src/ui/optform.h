// The settings dialog: scrolling steps, the start-up wizard, printing the
// user's name, the icon of circuit files, the circuit colours and the cues
// of a running circuit that do not rest on colour (optform_signals.cpp), with
// a small running circuit as a colour preview. Created once, after the main
// window, and hidden between uses; it writes the settings file itself.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include <QColor>
#include <QDialog>
#include <QImage>
#include <QPixmap>
#include <QString>

#include "cellgrid.h"
#include "circuitrenderer.h"
#include "usersettings.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;
class QTreeWidget;

namespace vorn {

struct StoredSettings;

// The picture shown for circuit-file icon number 0..3: a plain 32 x 32
// placeholder carrying the number.
QPixmap FileIconPicture(int number);

// Limits of the scrolling settings; stored values outside them are clamped.
inline constexpr int kMinScrollStep = 1;
inline constexpr int kMaxScrollStep = 100;
inline constexpr int kIconCount = 4;  // icon numbers 0..3
inline constexpr int kPreviewExamples = 5;

// The text of the "more..." box beside the user-name check box.
QString WriteNameHelpText();

class TOpt : public QDialog {
    Q_OBJECT

public:
    // Starts from the settings the main window has, and reads the settings
    // file at once. programFolder is written into the file; settingsPath
    // empty: the default file.
    TOpt(const UserSettings& initial, const QString& programFolder, const QString& settingsPath = QString());

    // The settings as the main window is to have them.
    const UserSettings& Settings() const { return applied_; }

    // Reads the settings file into the controls and the colours and scroll
    // steps handed over; a missing or unreadable file changes nothing.
    void LoadSettings();
    // Writes every control's value; a failure is silent.
    void SaveSettings();
    // Registers the circuit file type with the desktop for this program,
    // with the icon chosen; without force only when the program has moved.
    void RegisterAssociation(bool force);
    // Shows the dialog and gives it the focus (the settings command).
    void Open();
    // Hands the swatch colours over.
    void ApplyColours();

    bool WriteUserName() const;
    bool ShowMasterAtStart() const;
    int IconNumber() const;

    // The swatches: 0 wire, 1 signal "0", 2 signal "1", 3 a lit lamp.
    QColor SwatchColour(int index) const { return swatchColours_.at(static_cast<std::size_t>(index)); }
    void ChooseColour(int index);
    void RestoreDefaultColours();
    // Signal colours told apart under every common kind of colour blindness.
    void SetColourBlindPalette();
    // What the preview and the main window draw with: the swatches and the
    // cue boxes.
    CircuitColors ShownColours() const;
    void ShowWriteNameHelp();

    // The preview: example 1..5 and its picture.
    void SelectExample(int number);
    int ExampleNumber() const { return example_; }
    QImage PreviewImage() const { return preview_; }

    // Draws the example to show when the dialog appears: 1..5 pick that
    // example, 0 keeps the one shown. Starts as a random draw.
    std::function<int()> ExampleDraw;

    // Controls, for the tests.
    QTreeWidget* PageTree = nullptr;
    QGroupBox* GeneralPage = nullptr;
    QGroupBox* ColoursPage = nullptr;
    QCheckBox* ShowMasterBox = nullptr;
    QSpinBox* ScrollStepEdit = nullptr;  // km
    QSpinBox* ShiftFactorEdit = nullptr; // kmiddles
    QSpinBox* UndoStepsEdit = nullptr;   // the depth of the undo history
    QSpinBox* RecoveryIntervalEdit = nullptr;  // seconds between recovery copies; 0: none
    QCheckBox* WriteNameBox = nullptr;
    QLabel* MoreLink = nullptr;
    QLabel* IconPreview = nullptr;
    QSlider* IconSlider = nullptr;
    QPushButton* AssociateButton = nullptr;
    QLabel* PreviewLabel = nullptr;
    std::array<QFrame*, 4> Swatches{};
    std::array<QLabel*, 4> SwatchLabels{};
    QPushButton* DefaultColoursButton = nullptr;
    QPushButton* ColourBlindButton = nullptr;
    QCheckBox* LitFillBox = nullptr;    // fill lit lamps
    QCheckBox* ThickOnesBox = nullptr;  // wires with "1" twice as thick
    QPushButton* CloseButton = nullptr;
    QComboBox* LanguageBox = nullptr;  // the interface language, from the next start

signals:
    // The association button was pressed.
    void associateRequested();
    // Settings() changed.
    void settingsChanged(const UserSettings& settings);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void BuildGeneralPage();
    void BuildColoursPage();
    // optform_recovery.cpp: undo steps and the recovery interval.
    void BuildRecoveryRows();
    void LoadRecoveryValues(const StoredSettings& values, UserSettings& settings);
    void SaveRecoveryValues(StoredSettings& values) const;
    // optform_language.cpp: the interface language, written when chosen.
    void BuildLanguageRow();
    // optform_signals.cpp: the colour-blind palette and the cue boxes.
    void BuildSignalCueRows();
    void LoadSignalCues(const StoredSettings& values, UserSettings& settings);
    void SaveSignalCues(StoredSettings& values) const;
    void SetSwatch(int index, const QColor& colour);
    void RedrawPreview();
    void UpdateIconPreview();
    void SaveAndReload();
    bool IsSavingControl(QObject* object) const;

    void Hand(const UserSettings& settings);

    UserSettings applied_;
    QString programFolder_;
    QString settingsPath_;
    std::array<QColor, 4> swatchColours_{};
    int example_ = 1;
    std::unique_ptr<CellGrid> exampleCells_;  // large grids: on the heap
    std::unique_ptr<SignalGrid> exampleSignals_;
    QImage preview_;
    bool loading_ = false;  // the controls are being filled from the file
};

}  // namespace vorn
