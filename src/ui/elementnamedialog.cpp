#include "elementnamedialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "elementnames.h"
#include "programtitle.h"

namespace vorn {

ElementNameDialog::ElementNameDialog(QWidget* parent, const QString& prompt, const QString& shown,
                                     NameAcceptor acceptor)
    : QDialog(parent), acceptor_(std::move(acceptor)) {
    setWindowTitle(ProgramTitleText());
    setModal(true);

    Message = new QLabel(prompt, this);
    NameEdit = new QLineEdit(shown, this);
    NameEdit->setMaxLength(static_cast<int>(kMaxNameLength));
    NameEdit->selectAll();
    Message->setBuddy(NameEdit);
    Rule = new QLabel(tr("От 1 до 12 букв, цифр или знаков «_». Пустое поле убирает имя."), this);
    Refusal = new QLabel(this);
    Refusal->setWordWrap(true);
    Refusal->setStyleSheet(QStringLiteral("color: #C00000"));
    Refusal->hide();
    Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(Buttons, &QDialogButtonBox::accepted, this, &ElementNameDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    for (QWidget* part : {static_cast<QWidget*>(Message), static_cast<QWidget*>(NameEdit),
                          static_cast<QWidget*>(Rule), static_cast<QWidget*>(Refusal),
                          static_cast<QWidget*>(Buttons)})
        layout->addWidget(part);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    NameEdit->setMinimumWidth(260);
    NameEdit->setFocus();
}

bool ElementNameDialog::Ask() { return exec() == QDialog::Accepted; }

void ElementNameDialog::accept() {
    const QString refusal = acceptor_(NameEdit->text());
    if (refusal.isEmpty()) {
        QDialog::accept();
        return;
    }
    Refusal->setText(refusal);
    Refusal->show();
    NameEdit->selectAll();
    NameEdit->setFocus();
}

}  // namespace vorn
