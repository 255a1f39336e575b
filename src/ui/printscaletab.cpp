#include "printscaletab.h"

#include <QRadioButton>
#include <QVBoxLayout>

namespace vorn {

PrintScaleTab::PrintScaleTab(bool fitToPage, QWidget* parent) : QWidget(parent) {
    setWindowTitle(tr("Масштаб"));
    auto* layout = new QVBoxLayout(this);
    ScreenScale = new QRadioButton(tr("Как на экране"), this);
    FitPage = new QRadioButton(tr("Вписать в страницу"), this);
    (fitToPage ? FitPage : ScreenScale)->setChecked(true);
    layout->addWidget(ScreenScale);
    layout->addWidget(FitPage);
    layout->addStretch();
}

bool PrintScaleTab::FitToPage() const { return FitPage->isChecked(); }

}  // namespace vorn
