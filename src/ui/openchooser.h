// The Open command's file chooser.
#pragma once

#include <memory>

#include <QFileDialog>
#include <QString>

namespace vorn {

// Qt's file dialog for opening a circuit, started in folder with one name
// filter. A name typed without its extension is handed on as typed rather
// than refused as a missing file: the opening code completes it with ".vfl"
// and tells the user itself when nothing of that name is there.
std::unique_ptr<QFileDialog> MakeOpenChooser(QWidget* parent, const QString& title, const QString& folder,
                                             const QString& filter);

}  // namespace vorn
