#include "openchooser.h"

namespace vorn {

std::unique_ptr<QFileDialog> MakeOpenChooser(QWidget* parent, const QString& title, const QString& folder,
                                             const QString& filter) {
    auto chooser = std::make_unique<QFileDialog>(parent, title, folder, filter);
    chooser->setAcceptMode(QFileDialog::AcceptOpen);
    // An existing file is not required: "circuit" stands for "circuit.vfl".
    chooser->setFileMode(QFileDialog::AnyFile);
    return chooser;
}

}  // namespace vorn
