// Undo and redo, and the work area's pop-up commands on the object under
// the pointer: delete, move and help.
#include <QAction>
#include <QMenu>

#include "editing.h"
#include "helpviewer.h"
#include "mainform.h"

namespace vorn {

namespace {

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The tool that places an element picked up for moving; 0 for none.
int ToolPlacing(std::int32_t code) {
    switch (code) {
    case SourceOff:
    case SourceOn: return ToolSource;
    case Lamp: return ToolLamp;
    case Inverter: return ToolInverter;
    case ConjunctorAnchor: return ToolConjunctor;
    case DisjunctorAnchor: return ToolDisjunctor;
    default: return 0;
    }
}

}  // namespace

// ---- undo and redo -------------------------------------------------------------

void Tmain::Undo1Click() {
    document_->Undo();
    StopClip();
}

void Tmain::Rendo1Click() {
    document_->Redo();
    StopClip();
}

// ---- the object pop-up --------------------------------------------------------

void Tmain::PrepareObjectMenu(NodePos node) {
    ProgramState& s = *state_;
    const CellGrid& cells = document_->Cells();
    const std::int32_t code = StoredCode(cells, node.x, node.y);
    const QString name = Text(ObjectNameAcc(ObjectCodeAt(cells, node.x, node.y)));
    objdel->setText(tr("Удалить %1").arg(name));
    objmove->setText(tr("Переместить %1").arg(name));
    s.PopupNode = node;

    const bool empty = code == Empty;
    const bool element = IsElementCode(code);
    objmove->setVisible(element && !s.RunMode);
    objdel->setVisible(!empty && !s.RunMode);
    objname->setVisible(IsNameableCode(code) && !s.RunMode);
    Objhelp->setVisible(!empty);
    // Without object commands the menu starts with the zoom items.
    PopupSeparator1->setVisible(!empty);
    Image2->hide();
}

void Tmain::objdelClick() {
    ProgramState& s = *state_;
    const NodePos p = s.PopupNode;
    if (EraseAtNode(document_->Cells(), p.x, p.y, EraseMode::Press)) RecordObjectEdit();
}

void Tmain::RecordObjectEdit() {
    ProgramState& s = *state_;
    RefreshSolderPoints(document_->Cells(), s.PopupNode.x, s.PopupNode.y);
    document_->CommitGesture(*s.GestureSnapshot);  // the grid as the right press found it
}

void Tmain::objmoveClick() {
    ProgramState& s = *state_;
    const NodePos p = s.PopupNode;
    if (!IsElementCode(StoredCode(document_->Cells(), p.x, p.y))) return;
    s.MovePending = true;
    s.ToolBeforeMove = s.CurrentTool;
    // A source or lamp takes its name along; the pick-up itself drops it.
    const auto named = document_->Names().find(p);
    s.MovedName = named != document_->Names().end() ? named->second : std::string();
    const std::int32_t picked = PickUpElement(document_->Cells(), p.x, p.y);
    s.MovedCode = picked;
    if (const int tool = ToolPlacing(picked)) SelectTool(tool);
    RecordObjectEdit();
}

void Tmain::ObjhelpClick() {
    const NodePos p = state_->PopupNode;
    HelpViewer::OpenKeyword(this, Text(ObjectHelpTopic(ObjectCodeAt(document_->Cells(), p.x, p.y))));
}

}  // namespace vorn
