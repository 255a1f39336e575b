// The settings dialog's rows for what keeps a learner's work: the depth of
// the undo history and how often unsaved changes are copied for recovery.
#include <algorithm>
#include <array>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "history.h"
#include "optform.h"
#include "recovery.h"
#include "settingsstore.h"

namespace vorn {

namespace {

constexpr int kRowHeight = 30;

// A stored number inside low..high, else fallback: a damaged or hand-edited
// value gives the default rather than a guess.
int StoredNumber(const std::optional<QString>& text, int low, int high, int fallback) {
    bool ok = false;
    const int value = text ? text->trimmed().toInt(&ok) : 0;
    return ok && value >= low && value <= high ? value : fallback;
}

}  // namespace

void TOpt::BuildRecoveryRows() {
    const int top = AssociateButton->geometry().bottom() + 9;
    std::array<QLabel*, 2> labels{};
    std::array<QSpinBox*, 2> edits{};
    const std::array<QString, 2> captions{tr("Шагов отмены"), tr("Копия для восстановления, сек.")};
    for (std::size_t row = 0; row < captions.size(); ++row) {
        const int y = top + static_cast<int>(row) * kRowHeight;
        labels[row] = new QLabel(captions[row], GeneralPage);
        edits[row] = new QSpinBox(GeneralPage);
        edits[row]->setGeometry(ScrollStepEdit->x(), y, ScrollStepEdit->width(), 24);
        labels[row]->setGeometry(8, y + 2, ScrollStepEdit->x() - 10, 20);
    }
    // Labels longer than the room left of the spin boxes move every spin
    // box of the page right, and the page grows with them.
    int extra = 0;
    for (QLabel* label : labels) extra = std::max(extra, 8 + label->sizeHint().width() + 2 - ScrollStepEdit->x());
    if (extra > 0) {
        for (QSpinBox* edit : GeneralPage->findChildren<QSpinBox*>()) edit->move(edit->x() + extra, edit->y());
        for (QLabel* label : labels) label->resize(label->width() + extra, label->height());
        GeneralPage->resize(GeneralPage->width() + extra, GeneralPage->height());
    }
    UndoStepsEdit = edits[0];
    UndoStepsEdit->setRange(UndoHistory::kDepth, UndoHistory::kMaxDepth);
    UndoStepsEdit->setValue(applied_.undoSteps);
    RecoveryIntervalEdit = edits[1];
    RecoveryIntervalEdit->setRange(0, RecoverySchedule::kMaxInterval);
    RecoveryIntervalEdit->setSpecialValueText(tr("нет"));  // 0: no copies
    RecoveryIntervalEdit->setValue(applied_.recoverySeconds);
    for (QSpinBox* edit : edits)
        connect(edit, &QSpinBox::valueChanged, this, [this] {
            if (!loading_) SaveAndReload();
        });
    // Four digits may need a wider box than the scroll steps' three.
    int right = 0;
    for (QSpinBox* edit : edits) {
        edit->resize(std::max(edit->width(), edit->sizeHint().width()), edit->height());
        right = std::max(right, edit->geometry().right());
    }
    GeneralPage->resize(std::max(GeneralPage->width(), right + 9), top + 2 * kRowHeight + 6);
}

void TOpt::LoadRecoveryValues(const StoredSettings& values, UserSettings& settings) {
    if (values.UndoSteps)
        UndoStepsEdit->setValue(
            StoredNumber(values.UndoSteps, UndoHistory::kDepth, UndoHistory::kMaxDepth, UndoHistory::kDepth));
    if (values.RecoverySeconds)
        RecoveryIntervalEdit->setValue(StoredNumber(values.RecoverySeconds, 0, RecoverySchedule::kMaxInterval,
                                                    RecoverySchedule::kDefaultInterval));
    settings.undoSteps = UndoStepsEdit->value();
    settings.recoverySeconds = RecoveryIntervalEdit->value();
}

void TOpt::SaveRecoveryValues(StoredSettings& values) const {
    values.UndoSteps = QString::number(UndoStepsEdit->value());
    values.RecoverySeconds = QString::number(RecoveryIntervalEdit->value());
}

}  // namespace vorn
