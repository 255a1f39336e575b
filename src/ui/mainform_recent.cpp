// The recently opened and saved files at the end of the File menu, kept in
// the settings file so that every running program and the next start see
// them.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMenu>

#include "dialogs.h"
#include "mainform.h"
#include "programtitle.h"
#include "recentfiles.h"
#include "settingsstore.h"

namespace vorn {

namespace {

constexpr int kCaptionWidth = 480;  // pixels a long path is shortened to, in its middle

std::vector<std::string> ToList(const QStringList& names) {
    std::vector<std::string> list;
    for (const QString& name : names) list.push_back(name.toStdString());
    return list;
}

QStringList FromList(const std::vector<std::string>& list) {
    QStringList names;
    for (const std::string& name : list) names.append(QString::fromStdString(name));
    return names;
}

}  // namespace

void Tmain::CreateRecentFileItems() {
    // Read whenever the menu opens: another running program may have
    // changed the list.
    connect(File1, &QMenu::aboutToShow, this, &Tmain::ShowRecentFiles);
    // A file opened or saved goes to the top.
    connect(document_, &CircuitDocument::stateChanged, this, [this](DocumentState state) {
        if (state == DocumentState::Opened || state == DocumentState::Saved) NoteRecentFile(document_->FileName());
    });
}

QStringList Tmain::RecentFiles() const {
    std::vector<std::string> list = ToList(SettingsStore(state_->SettingsFile).ReadRecentFiles());
    TidyRecentFiles(list);
    return FromList(list);
}

void Tmain::ShowRecentFiles() {
    for (QAction* item : RecentItems) {
        File1->removeAction(item);
        item->deleteLater();
    }
    RecentItems.clear();
    const QStringList files = RecentFiles();
    if (files.isEmpty()) return;
    RecentItems.push_back(File1->addSeparator());
    const QFontMetrics metrics(File1->font());
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString name = QDir::toNativeSeparators(files.at(i));
        const QString shortened = metrics.elidedText(name, Qt::ElideMiddle, kCaptionWidth);
        QAction* item =
            File1->addAction(QString::fromStdString(RecentFileCaption(static_cast<std::size_t>(i), shortened.toStdString())));
        item->setStatusTip(name);
        const QString file = files.at(i);
        connect(item, &QAction::triggered, this, [this, file] { OpenRecentFile(file); });
        RecentItems.push_back(item);
    }
}

void Tmain::NoteRecentFile(const QString& name) {
    if (name.isEmpty()) return;
    std::vector<std::string> list = ToList(RecentFiles());
    vorn::NoteRecentFile(list, QFileInfo(name).absoluteFilePath().toStdString());
    SettingsStore(state_->SettingsFile).WriteRecentFiles(FromList(list));
}

void Tmain::OpenRecentFile(const QString& name) {
    if (name.isEmpty()) return;
    if (!QFileInfo(name).isFile()) {
        // Gone (moved, deleted, a removed stick): the entry goes too.
        QStringList files = RecentFiles();
        files.removeAll(name);
        SettingsStore(state_->SettingsFile).WriteRecentFiles(files);
        ShowRecentFiles();
        Dialogs::Current().Message(this, QMessageBox::Warning, ProgramTitleText(),
                                   tr("Файл «%1» не найден. Он убран из списка последних файлов.")
                                       .arg(QDir::toNativeSeparators(name)),
                                   QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    if (!MayReplaceDocument()) return;
    LoadDocument(name);
}

}  // namespace vorn
