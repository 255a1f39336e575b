// "Экспорт рисунка…": the used area of the circuit with its names as a PNG,
// SVG or PDF file, the type chosen in the save dialog.
#include <QFileInfo>

#include "datafolder.h"
#include "dialogs.h"
#include "mainform.h"
#include "pictureexport.h"
#include "programtitle.h"
#include "settingsstore.h"

namespace vorn {

namespace {

struct PictureType {
    const char* filter;
    const char* suffix;
};
constexpr PictureType kPictureTypes[] = {
    {QT_TRANSLATE_NOOP("vorn::Tmain", "Рисунок PNG (*.png)"), ".png"},
    {QT_TRANSLATE_NOOP("vorn::Tmain", "Рисунок SVG (*.svg)"), ".svg"},
    {QT_TRANSLATE_NOOP("vorn::Tmain", "Документ PDF (*.pdf)"), ".pdf"},
};

QString Filters() {
    QStringList filters;
    for (const PictureType& type : kPictureTypes) filters << Tmain::tr(type.filter);
    return filters.join(QStringLiteral(";;"));
}

// The chosen name, with the extension of the chosen type appended when it
// has none of the three.
QString PictureTarget(const QString& chosen, const QString& filter) {
    if (PictureFormatOf(chosen)) return chosen;
    for (const PictureType& type : kPictureTypes)
        if (filter == Tmain::tr(type.filter)) return chosen + QLatin1String(type.suffix);
    return chosen + QLatin1String(kPictureTypes[0].suffix);
}

void Tell(Tmain& window, QMessageBox::Icon icon, const QString& text) {
    Dialogs::Current().Message(&window, icon, ProgramTitleText(), text, QMessageBox::Ok, QMessageBox::Ok);
}

// lastZoom and lastSignalColours: the choices of the last export, kept until
// the program ends.
void ExportWithDialogs(Tmain& window, int& lastZoom, bool& lastSignalColours) {
    ProgramState& s = window.State();
    const CircuitDocument& document = window.Document();
    const PictureSource circuit{document.Cells(), document.Signals(), document.Names()};
    if (!PictureArea(circuit)) {
        Tell(window, QMessageBox::Information, Tmain::tr("На поле нет схемы: рисовать нечего."));
        return;
    }
    int zoom = lastZoom > 0 ? lastZoom : s.ZoomFactor;
    bool signalColours = lastSignalColours;
    if (!Dialogs::Current().AskPictureOptions(&window, zoom, signalColours, s.RunMode)) return;
    lastZoom = zoom;
    if (s.RunMode) lastSignalColours = signalColours;

    SettingsStore settings(s.SettingsFile);
    QString filter = QString::fromUtf8(kPictureTypes[0].filter);
    const QString chosen = Dialogs::Current().SavePictureName(&window, Tmain::tr("Экспорт рисунка"),
                                                              ResolveChooserFolder(settings.ReadLastFolder()),
                                                              Filters(), filter);
    if (chosen.isEmpty()) return;
    settings.WriteLastFolder(QFileInfo(chosen).absolutePath());
    const QString target = PictureTarget(chosen, filter);
    if (QFileInfo::exists(target) &&
        Dialogs::Current().Message(&window, QMessageBox::Warning, ProgramTitleText(),
                                   Tmain::tr("Файл с таким именем уже существует. Перезаписать?"),
                                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;

    PictureOptions options;
    options.zoom = zoom;
    options.signalColours = s.RunMode && signalColours;
    options.colors = s.Settings.colors;
    const PictureResult result = WriteCircuitPicture(target, *PictureFormatOf(target), circuit, options);
    if (result.kind == PictureResult::CannotWrite)
        Tell(window, QMessageBox::Critical,
             Tmain::tr("Не удалось записать рисунок в файл %1: %2").arg(target, result.detail));
}

}  // namespace

void Tmain::ExportClick() {
    WithClipPaused([this] { ExportWithDialogs(*this, ExportZoom, ExportSignalColours); });
}

}  // namespace vorn
