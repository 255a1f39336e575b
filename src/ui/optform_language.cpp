// The settings dialog's row for the interface language. The choice is
// written to the settings file at once and read at the next start: texts
// already made stay in the language the program started with.
#include <algorithm>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

#include "optform.h"
#include "settingsstore.h"
#include "uilanguage.h"

namespace vorn {

void TOpt::BuildLanguageRow() {
    const int top = GeneralPage->height() - 2;
    auto* label = new QLabel(tr("Язык интерфейса"), GeneralPage);
    label->setGeometry(8, top + 2, label->sizeHint().width(), 20);
    LanguageBox = new QComboBox(GeneralPage);
    LanguageBox->addItem(tr("Как в системе"), LanguageChoiceText(LanguageChoice::System));
    // Each language under its own name, whatever the language shown.
    LanguageBox->addItem(tr("Русский"), LanguageChoiceText(LanguageChoice::Russian));
    LanguageBox->addItem(QStringLiteral("English"), LanguageChoiceText(LanguageChoice::English));
    const int boxLeft = label->geometry().right() + 9;
    LanguageBox->setGeometry(boxLeft, top, std::max(120, LanguageBox->sizeHint().width()), 24);
    auto* note = new QLabel(tr("Язык сменится при следующем запуске программы."), GeneralPage);
    note->setWordWrap(true);
    const int noteWidth = std::max(GeneralPage->width(), LanguageBox->geometry().right() + 9) - 16;
    note->setGeometry(8, top + 28, noteWidth, note->heightForWidth(noteWidth));
    GeneralPage->resize(noteWidth + 16, note->geometry().bottom() + 8);

    const LanguageChoice stored =
        ParseLanguageChoice(SettingsStore(settingsPath_).ReadOption(QLatin1String(kLanguageKey)));
    LanguageBox->setCurrentIndex(std::max(0, LanguageBox->findData(LanguageChoiceText(stored))));
    connect(LanguageBox, &QComboBox::currentIndexChanged, this, [this] {
        SettingsStore(settingsPath_).WriteOption(QLatin1String(kLanguageKey), LanguageBox->currentData().toString());
    });
}

}  // namespace vorn
