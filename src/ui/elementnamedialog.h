// The dialog that names a source or lamp: a prompt, a one-line field with
// the element's current name, the rule of names, and OK and Cancel. OK hands
// the text to the caller, who takes it or says why not; a refused name keeps
// the dialog open with the reason under the field.
#pragma once

#include <functional>

#include <QDialog>
#include <QString>

class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace vorn {

// Takes a name; returns an empty text when it was taken, else the reason it
// was refused.
using NameAcceptor = std::function<QString(const QString& text)>;

class ElementNameDialog : public QDialog {
    Q_OBJECT

public:
    // Captioned with the program's title; the field holds `shown`, selected.
    ElementNameDialog(QWidget* parent, const QString& prompt, const QString& shown, NameAcceptor acceptor);

    // Runs the dialog modally; true when a name was taken.
    bool Ask();

    QLabel* Message = nullptr;
    QLineEdit* NameEdit = nullptr;
    QLabel* Rule = nullptr;     // the rule of names, always shown
    QLabel* Refusal = nullptr;  // why the last name was refused; hidden until then
    QDialogButtonBox* Buttons = nullptr;

    void accept() override;

private:
    NameAcceptor acceptor_;
};

}  // namespace vorn
