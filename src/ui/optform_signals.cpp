// The settings dialog's rows for reading signals without telling red from
// green: a palette of two colours that stay apart under protanopia,
// deuteranopia and tritanopia, lamps filled when lit, and thick "1" wires.
#include <algorithm>

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>

#include "optform.h"
#include "settingsstore.h"

namespace vorn {

namespace {

// Blue for "0" and orange for "1": they differ in lightness as well as hue,
// so they stay apart when any one kind of cone is missing.
const QColor kColourBlindZero{0x00, 0x72, 0xB2};
const QColor kColourBlindOne{0xE6, 0x9F, 0x00};

constexpr int kCueRowHeight = 24;

}  // namespace

void TOpt::BuildSignalCueRows() {
    const QRect defaults = DefaultColoursButton->geometry();
    ColourBlindButton = new QPushButton(tr("Палитра для дальтоников"), ColoursPage);
    ColourBlindButton->setGeometry(defaults.x(), defaults.bottom() + 6, defaults.width(), defaults.height());
    connect(ColourBlindButton, &QPushButton::clicked, this, &TOpt::SetColourBlindPalette);

    const CircuitColors standard;
    LitFillBox = new QCheckBox(tr("Заливать горящие лампочки"), ColoursPage);
    ThickOnesBox = new QCheckBox(tr("Толстые провода с сигналом \"1\""), ColoursPage);
    LitFillBox->setChecked(standard.fillLitLamps);
    ThickOnesBox->setChecked(standard.thickOnes);
    int top = ColourBlindButton->geometry().bottom() + 8;
    for (QCheckBox* box : {LitFillBox, ThickOnesBox}) {
        box->setGeometry(defaults.x(), top, defaults.width(), 20);
        top += kCueRowHeight;
        connect(box, &QCheckBox::toggled, this, [this] {
            if (loading_) return;
            RedrawPreview();
            SaveAndReload();
        });
    }
    // The general page sets the height of both pages and the dialog.
    GeneralPage->resize(GeneralPage->width(), std::max(GeneralPage->height(), top + 4));
}

void TOpt::SetColourBlindPalette() {
    SetSwatch(1, kColourBlindZero);
    SetSwatch(2, kColourBlindOne);
    RedrawPreview();
    if (!loading_) SaveAndReload();
}

CircuitColors TOpt::ShownColours() const {
    CircuitColors colours{swatchColours_[0], swatchColours_[1], swatchColours_[2], swatchColours_[3]};
    // Before the rows exist (the first preview) the defaults hold.
    if (LitFillBox) colours.fillLitLamps = LitFillBox->isChecked();
    if (ThickOnesBox) colours.thickOnes = ThickOnesBox->isChecked();
    return colours;
}

void TOpt::LoadSignalCues(const StoredSettings& values, UserSettings& settings) {
    const CircuitColors standard;
    LitFillBox->setChecked(StoredFlag(values.LampFill, standard.fillLitLamps));
    ThickOnesBox->setChecked(StoredFlag(values.ThickOnes, standard.thickOnes));
    settings.colors.fillLitLamps = LitFillBox->isChecked();
    settings.colors.thickOnes = ThickOnesBox->isChecked();
    RedrawPreview();
}

void TOpt::SaveSignalCues(StoredSettings& values) const {
    values.LampFill = LitFillBox->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    values.ThickOnes = ThickOnesBox->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}

}  // namespace vorn
