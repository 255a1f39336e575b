// Names of sources and lamps in the main window: the naming dialog from the
// pop-up and from a double-click, and the name a moved element keeps.
#include <string>
#include <utility>

#include "dialogs.h"
#include "editing.h"
#include "mainform.h"

namespace vorn {

namespace {

QString ElementNamePrompt(std::int32_t code) {
    return code == Lamp ? Tmain::tr("Введите имя лампочки") : Tmain::tr("Введите имя источника");
}

// Why a name was not taken; empty when it was.
QString RenameRefusal(RenameResult result, const QString& text) {
    switch (result) {
    case RenameResult::Renamed:
    case RenameResult::Cleared: return {};
    case RenameResult::Invalid:
        return Tmain::tr("Такое имя не подходит. Имя — это от 1 до 12 букв, цифр или знаков «_»; "
                              "«не», «0» и «1» именами быть не могут.");
    case RenameResult::Taken: return Tmain::tr("Имя «%1» уже носит другой элемент схемы.").arg(text);
    case RenameResult::NotNameable: break;
    }
    return Tmain::tr("Здесь нет ни источника, ни лампочки.");
}

// The name the element at `node` is shown under: its own or its default.
QString ShownNameAt(const NameTable& names, const CellGrid& cells, NodePos node) {
    const ShownNames shown = NameElements(names, cells);
    for (const auto* group : {&shown.sources, &shown.lamps})
        for (const ShownName& element : *group)
            if (element.node == node) return QString::fromStdString(element.name);
    return {};
}

}  // namespace

void Tmain::objnameClick() { NameElementAt(state_->PopupNode); }

void Tmain::NameElementAt(NodePos node) {
    const std::int32_t code = StoredCode(document_->Cells(), node.x, node.y);
    if (state_->RunMode || !IsNameableCode(code)) return;
    const QString shown = ShownNameAt(document_->Names(), document_->Cells(), node);
    Dialogs::Current().AskElementName(this, ElementNamePrompt(code), shown, [this, node](const QString& typed) {
        const QString text = typed.trimmed();
        return RenameRefusal(document_->Rename(node, text.toStdString()), text);
    });
}

void Tmain::Image3DblClick(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
    ProgramState& s = *state_;
    const NodePos node = View().NodeAt(QPoint(x, y));
    if (button != Qt::LeftButton || s.RunMode || !IsNameableCode(StoredCode(document_->Cells(), node.x, node.y))) {
        Image3MouseDown(button, shift, x, y);
        return;
    }
    // The first click of the pair may have switched the source; the second
    // switches it back, as two presses always did. Any other first click
    // (a placed source or lamp, a click of the wire tool) is left as it is,
    // so no second element and no wire comes of the pair.
    if (StoredCode(*s.GestureSnapshot, node.x, node.y) != StoredCode(document_->Cells(), node.x, node.y) &&
        IsSourceCode(StoredCode(*s.GestureSnapshot, node.x, node.y))) {
        Image3MouseDown(button, shift, x, y);
    } else {
        s.GestureChanged = false;
        s.GestureActive = false;
        pressNode_ = node;
    }
    nameOnRelease_ = true;
}

void Tmain::PutMovedName() {
    ProgramState& s = *state_;
    const std::string name = std::exchange(s.MovedName, std::string());
    const std::int32_t code = StoredCode(document_->Cells(), pressNode_.x, pressNode_.y);
    const bool sameKind = IsSourceCode(code) ? IsSourceCode(s.MovedCode) : code == s.MovedCode;
    // Only the element this gesture placed takes the name.
    if (name.empty() || !sameKind || StoredCode(*s.GestureSnapshot, pressNode_.x, pressNode_.y) != Empty) return;
    RenameElement(document_->EditNames(), document_->Cells(), pressNode_, name);
}

}  // namespace vorn
