#include "printscaletab.h"

#include <QRadioButton>
#include <QVBoxLayout>

namespace vorn {

PrintScaleTab::PrintScaleTab(bool fitToPage, QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Масштаб"));
    auto* layout = new QVBoxLayout(this);
    ScreenScale = new QRadioButton(QStringLiteral("Как на экране"), this);
    FitPage = new QRadioButton(QStringLiteral("Вписать в страницу"), this);
    (fitToPage ? FitPage : ScreenScale)->setChecked(true);
    layout->addWidget(ScreenScale);
    layout->addWidget(FitPage);
    layout->addStretch();
}

bool PrintScaleTab::FitToPage() const { return FitPage->isChecked(); }

}  // namespace vorn
