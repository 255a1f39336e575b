#include "taskdialog.h"

#include <algorithm>
#include <array>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "programtitle.h"

namespace vorn {

namespace {

struct ElementBox {
    unsigned element;
    const char* caption;
};

constexpr std::array<ElementBox, 5> kElementBoxes{{
    {kTaskSource, QT_TRANSLATE_NOOP("vorn::TaskDialog", "источники")},
    {kTaskLamp, QT_TRANSLATE_NOOP("vorn::TaskDialog", "лампочки")},
    {kTaskInverter, QT_TRANSLATE_NOOP("vorn::TaskDialog", "инверторы")},
    {kTaskConjunctor, QT_TRANSLATE_NOOP("vorn::TaskDialog", "конъюнкторы")},
    {kTaskDisjunctor, QT_TRANSLATE_NOOP("vorn::TaskDialog", "дизъюнкторы")},
}};

constexpr int kMostGates = 9999;

}  // namespace

TaskDialog::TaskDialog(QWidget* parent, const QStringList& lamps, const TaskChoice& choice) : QDialog(parent), lamps_(lamps) {
    setWindowTitle(ProgramTitleText());
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    TitleEdit = new QLineEdit(QString::fromStdString(choice.title), this);
    TextEdit = new QPlainTextEdit(QString::fromStdString(choice.text), this);
    form->addRow(tr("Заголовок:"), TitleEdit);
    form->addRow(tr("Текст задания:"), TextEdit);
    layout->addLayout(form);

    auto* lampGroup = new QGroupBox(tr("Проверять лампочки"), this);
    auto* lampLayout = new QVBoxLayout(lampGroup);
    for (const QString& lamp : lamps) {
        auto* box = new QCheckBox(lamp, lampGroup);
        const std::string name = lamp.toStdString();
        box->setChecked(std::find(choice.lamps.begin(), choice.lamps.end(), name) != choice.lamps.end());
        lampLayout->addWidget(box);
        LampBoxes.push_back(box);
    }
    layout->addWidget(lampGroup);

    auto* elementGroup = new QGroupBox(tr("Ученик может ставить"), this);
    auto* elementLayout = new QVBoxLayout(elementGroup);
    for (const ElementBox& e : kElementBoxes) {
        auto* box = new QCheckBox(tr(e.caption), elementGroup);
        box->setChecked(choice.allowed & e.element);
        elementLayout->addWidget(box);
        ElementBoxes.push_back(box);
    }
    layout->addWidget(elementGroup);

    auto* limits = new QFormLayout;
    GateLimit = new QSpinBox(this);
    GateLimit->setRange(0, kMostGates);
    GateLimit->setValue(choice.gateLimit);
    GateLimit->setSpecialValueText(tr("не ограничено"));
    limits->addRow(tr("Вентилей не больше:"), GateLimit);
    layout->addLayout(limits);
    LockBox = new QCheckBox(tr("Источники и лампочки задания нельзя стирать, передвигать и переименовывать"), this);
    LockBox->setChecked(choice.locked);
    KeepDrawingBox = new QCheckBox(tr("Оставить в задании остальную часть схемы"), this);
    KeepDrawingBox->setChecked(choice.keepDrawing);
    layout->addWidget(LockBox);
    layout->addWidget(KeepDrawingBox);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

TaskChoice TaskDialog::Choice() const {
    TaskChoice choice;
    choice.title = TitleEdit->text().toStdString();
    choice.text = TextEdit->toPlainText().toStdString();
    for (std::size_t i = 0; i < LampBoxes.size(); ++i)
        if (LampBoxes[i]->isChecked()) choice.lamps.push_back(lamps_[static_cast<qsizetype>(i)].toStdString());
    choice.allowed = 0;
    for (std::size_t i = 0; i < kElementBoxes.size(); ++i)
        if (ElementBoxes[i]->isChecked()) choice.allowed |= kElementBoxes[i].element;
    choice.gateLimit = GateLimit->value();
    choice.locked = LockBox->isChecked();
    choice.keepDrawing = KeepDrawingBox->isChecked();
    return choice;
}

}  // namespace vorn
