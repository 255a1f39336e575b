// The dialog of "Сохранить как задание…": the task's title and text, the
// lamps it checks, the elements a learner may place, the gate limit, the lock
// and whether the rest of the drawing is handed out as a given part.
#pragma once

#include <vector>

#include <QDialog>
#include <QStringList>

#include "taskmaker.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace vorn {

class TaskDialog : public QDialog {
    Q_OBJECT

public:
    // The fields start as `choice` has them; lamps are offered by their shown names.
    TaskDialog(QWidget* parent, const QStringList& lamps, const TaskChoice& choice);

    // The choice as the fields hold it.
    TaskChoice Choice() const;

    QLineEdit* TitleEdit = nullptr;
    QPlainTextEdit* TextEdit = nullptr;
    std::vector<QCheckBox*> LampBoxes;  // one per lamp offered, in its order
    std::vector<QCheckBox*> ElementBoxes;  // source, lamp, inverter, conjunctor, disjunctor
    QSpinBox* GateLimit = nullptr;
    QCheckBox* LockBox = nullptr;
    QCheckBox* KeepDrawingBox = nullptr;

private:
    QStringList lamps_;
};

}  // namespace vorn
