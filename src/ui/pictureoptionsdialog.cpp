#include "pictureoptionsdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>

#include <algorithm>


namespace vorn {

PictureOptionsDialog::PictureOptionsDialog(QWidget* parent, int zoom, bool signalColours, bool running)
    : QDialog(parent) {
    setWindowTitle(tr("Экспорт рисунка"));
    auto* layout = new QFormLayout(this);
    ZoomBox = new QComboBox(this);
    ZoomBox->addItems({QStringLiteral("50%"), QStringLiteral("100%"), QStringLiteral("150%")});
    ZoomBox->setCurrentIndex(std::clamp(zoom, 1, 3) - 1);
    layout->addRow(tr("Масштаб рисунка:"), ZoomBox);
    SignalBox = new QCheckBox(tr("Цвета сигналов (схема запущена)"), this);
    SignalBox->setChecked(running && signalColours);
    SignalBox->setEnabled(running);
    layout->addRow(SignalBox);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addRow(buttons);
}

int PictureOptionsDialog::Zoom() const { return ZoomBox->currentIndex() + 1; }

bool PictureOptionsDialog::SignalColours() const { return SignalBox->isEnabled() && SignalBox->isChecked(); }

}  // namespace vorn
