// The wizard's clip page: the four clip rows, starting and stopping a clip,
// and the progress the clip player reports back.
#include <algorithm>

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QGroupBox>

#include "masterform.h"

namespace vorn {

namespace {

const std::array<const char*, kBuiltInClipCount> kClipLabels{
    QT_TRANSLATE_NOOP("vorn::Tmaster", "1. Принцип построения и работы простейших схем."),
    QT_TRANSLATE_NOOP("vorn::Tmaster", "2. Постройка схемы по формуле ((A+(не B))((не A)(A+B)))."),
    QT_TRANSLATE_NOOP("vorn::Tmaster", "3. Постройка полусумматора"),
    QT_TRANSLATE_NOOP("vorn::Tmaster", "4. Постройка схемы по формуле ((не A)*B+(не B)*A)+не(AB)"),
};

bool IsClip(int clip) { return clip >= 1 && clip <= kBuiltInClipCount; }
std::size_t Slot(int clip) { return static_cast<std::size_t>(clip - 1); }

}  // namespace

QString WizardClipLabel(int clip) { return IsClip(clip) ? Tmaster::tr(kClipLabels[Slot(clip)]) : QString(); }

void Tmaster::BuildClipGroup() {
    ClipGroup = new QGroupBox(tr("Обучение работе с программой"), ContentArea);
    ClipGroup->setGeometry(0, 0, ContentArea->width(), ContentArea->height());

    ClipNotes = new QPlainTextEdit(
        tr("  Далее приведены несколько примеров построения схем. Внимательно просмотрите их. Они помогут \n"
           "вам научиться правильно работаться с программой. \n"
           "  Во время просмотра роликов не рекомендуется нажимать клавиши (кроме Esc), а также двигать и \n"
           "щелкать мышкой. \n"
           "  Для временной остановки ролика нажмите клавишу Esc или Ctrl+M. Для полной остановки нажмите \n"
           "кнопку \n"
           "Stop. Для продолжения просмотра нажмите кнопку Play у соответствующего ролика."),
        ClipGroup);
    ClipNotes->setGeometry(8, 18, 561, 122);
    ClipNotes->setReadOnly(true);

    for (int clip = 1; clip <= kBuiltInClipCount; ++clip) {
        const std::size_t i = Slot(clip);
        const int top = 144 + static_cast<int>(i) * 39;
        ClipLabels[i] = new QLabel(WizardClipLabel(clip), ClipGroup);
        ClipLabels[i]->setGeometry(8, top, 561, 17);
        PlayButtons[i] = new QPushButton(QStringLiteral("Play"), ClipGroup);
        PlayButtons[i]->setGeometry(8, top + 18, 60, 20);
        StopButtons[i] = new QPushButton(QStringLiteral("Stop"), ClipGroup);
        StopButtons[i]->setGeometry(72, top + 18, 60, 20);
        ClipBars[i] = new QProgressBar(ClipGroup);
        ClipBars[i]->setGeometry(140, top + 18, 429, 20);
        ClipBars[i]->setTextVisible(false);
        ClipBars[i]->setRange(0, ProgressPosition(static_cast<int>(BuiltInClip(clip).size())));
        ClipBars[i]->setValue(0);
        connect(PlayButtons[i], &QPushButton::clicked, this, [this, clip] { PlayClick(clip); });
        connect(StopButtons[i], &QPushButton::clicked, this, [this, clip] { StopClick(clip); });
    }
}

void Tmaster::SetClipProgress(int clip, int eventIndex) {
    if (!IsClip(clip)) return;
    QProgressBar* bar = ClipBars[Slot(clip)];
    // A bar ignores values outside its range; a clip never goes beyond its end.
    bar->setValue(std::clamp(ProgressPosition(eventIndex), bar->minimum(), bar->maximum()));
    resumeIndex_[Slot(clip)] = eventIndex;
}

void Tmaster::ClearClipProgress() {
    for (int clip = 1; clip <= kBuiltInClipCount; ++clip) SetClipProgress(clip, 0);
}

void Tmaster::ClipHalted(int clip, int eventIndex) {
    SetClipProgress(clip, eventIndex);
    ShowWizard();
}

void Tmaster::PlayClick(int clip) {
    if (!IsClip(clip)) return;
    const QProgressBar* bar = ClipBars[Slot(clip)];
    // A finished clip starts again from the beginning.
    if (bar->value() >= bar->maximum()) StopClick(clip);
    // The bar shows tenths of the events; the clip goes on after the very
    // event it stopped at, which the bar alone cannot tell.
    const int start = bar->value() == 0 ? 0 : resumeIndex_[Slot(clip)];
    const QString caption = tr("Ролик %1").arg(WizardClipLabel(clip));
    if (!ClipStarter || !ClipStarter(BuiltInClip(clip), start, caption)) return;
    hide();  // which gives the main window back to the user
    for (int other = 1; other <= kBuiltInClipCount; ++other)
        if (other != clip) SetClipProgress(other, 0);
}

void Tmaster::StopClick(int clip) { SetClipProgress(clip, 0); }

}  // namespace vorn
