// Before any Qt header: Qt's "signals" macro would rename the rows' member.
#include "tablerows.h"

#include "truthtablewindow.h"

#include <QAbstractTableModel>
#include <QClipboard>
#include <QColor>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "circuitdocument.h"
#include "propagation.h"
#include "signals.h"
#include "workqueue.h"

namespace vorn {

// The rows of the table: the sources' bits, then the lamps' signals.
class TruthTableModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetColumns(const QStringList& headers, int sources) {
        beginResetModel();
        headers_ = headers;
        sources_ = sources;
        rows_ = LampRows{};
        rowCount_ = 0;
        highlighted_ = -1;
        endResetModel();
    }
    void SetRows(LampRows rows) {
        beginResetModel();
        rowCount_ = rows.lampCount == 0 ? 1 << sources_ : static_cast<int>(RowCount(rows));
        rows_ = std::move(rows);
        endResetModel();
    }
    const LampRows& Rows() const { return rows_; }
    void SetHighlight(int row) {
        if (row == highlighted_) return;
        const int old = highlighted_;
        highlighted_ = row;
        for (int r : {old, row})
            if (r >= 0 && r < rowCount_) emit dataChanged(index(r, 0), index(r, columnCount() - 1));
    }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rowCount_; }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(headers_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) return {};
        if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
        if (role == Qt::BackgroundRole && index.row() == highlighted_) return QColor(255, 226, 120);
        if (role != Qt::DisplayRole) return {};
        const int column = index.column();
        const auto row = static_cast<std::uint32_t>(index.row());
        if (column < sources_)
            return QString(SourceCodeInRow(row, static_cast<std::size_t>(column), static_cast<std::size_t>(sources_)) ==
                                   SourceOn
                               ? '1'
                               : '0');
        const std::int32_t signal = LampSignal(rows_, row, static_cast<std::size_t>(column - sources_));
        return QString(signal == Signal1 ? '1' : signal == Signal0 ? '0' : '-');
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole) return {};
        if (orientation == Qt::Vertical) return section;
        return section < headers_.size() ? QVariant(headers_[section]) : QVariant();
    }

private:
    QStringList headers_;
    int sources_ = 0;
    LampRows rows_;
    int rowCount_ = 0;
    int highlighted_ = -1;
};

namespace {

// A perfect form longer than this is told by its size instead.
constexpr qsizetype kLongestShownForm = 20000;

QLabel* Title(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QString Text(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

// A circuit's state as far as the table goes: the switch positions do not count.
std::unique_ptr<CellGrid> WithSourcesOff(const CellGrid& cells) {
    auto copy = std::make_unique<CellGrid>(cells);
    for (int x = 0; x < kFieldSize; ++x)
        for (int y = 0; y < kFieldSize; ++y)
            if (copy->at(x, y) == SourceOn) copy->at(x, y) = SourceOff;
    return copy;
}

// Thrown from the progress report of a count whose circuit has changed.
struct Superseded {};

}  // namespace

struct TruthTableWindow::Counted {
    LampRows rows;
    std::vector<CircuitWarning> warnings;
};

TruthTableWindow::TruthTableWindow(const CircuitDocument& document, QWidget* parent)
    : QWidget(parent, Qt::Window), document_(document) {
    setWindowTitle(tr("Таблица истинности"));
    resize(560, 640);
    pool_.setMaxThreadCount(1);

    auto* layout = new QVBoxLayout(this);
    Message = new QLabel(this);
    Message->setWordWrap(true);
    layout->addWidget(Message);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    layout->addWidget(splitter, 1);
    model_ = new TruthTableModel(this);
    Table = new QTableView(splitter);
    Table->setModel(model_);
    Table->setSelectionMode(QAbstractItemView::NoSelection);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->verticalHeader()->hide();
    Table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Table->setToolTip(tr("Щелчок по строке ставит источники в её положение"));
    connect(Table, &QTableView::clicked, this, [this](const QModelIndex& index) { emit rowChosen(index.row()); });

    auto* formulasPanel = new QWidget(splitter);
    auto* formulasLayout = new QVBoxLayout(formulasPanel);
    formulasLayout->setContentsMargins(0, 0, 0, 0);
    auto* formulasHead = new QHBoxLayout;
    formulasHead->addWidget(Title(tr("Формулы"), formulasPanel), 1);
    CopyFormulas = new QPushButton(tr("Копировать"), formulasPanel);
    CopyFormulas->setToolTip(tr("Копировать выделенные формулы, а если ничего не выделено, то все"));
    formulasHead->addWidget(CopyFormulas);
    formulasLayout->addLayout(formulasHead);
    Formulas = new QPlainTextEdit(formulasPanel);
    Formulas->setReadOnly(true);
    Formulas->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    formulasLayout->addWidget(Formulas);
    connect(CopyFormulas, &QPushButton::clicked, this, [this] {
        QString selected = Formulas->textCursor().selectedText();
        // A selection across lines holds paragraph separators instead of line ends.
        QGuiApplication::clipboard()->setText(selected.isEmpty() ? Formulas->toPlainText()
                                                                 : selected.replace(QChar(0x2029), '\n'));
    });

    auto* warningsPanel = new QWidget(splitter);
    auto* warningsLayout = new QVBoxLayout(warningsPanel);
    warningsLayout->setContentsMargins(0, 0, 0, 0);
    warningsLayout->addWidget(Title(tr("Предупреждения"), warningsPanel));
    Warnings = new QListWidget(warningsPanel);
    Warnings->setWordWrap(true);
    warningsLayout->addWidget(Warnings);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setStretchFactor(2, 1);

    connect(&document_, &CircuitDocument::gridChanged, this, &TruthTableWindow::Refresh);
    Refresh();
}

TruthTableWindow::~TruthTableWindow() {
    ++generation_;  // a running count gives up at its next look
    pool_.waitForDone();
}

void TruthTableWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    shown_ = true;
    Refresh();
    emit marksChanged();
}

void TruthTableWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    shown_ = false;
    emit marksChanged();
}

void TruthTableWindow::Refresh() {
    // A hidden window counts nothing; it catches up when it is shown again.
    if (!shown_) {
        counted_.reset();
        ++generation_;
        return;
    }
    auto key = WithSourcesOff(document_.Cells());
    if (counted_ && *key == *counted_ && countedNames_ == document_.Names()) {
        UpdateHighlight();
        return;
    }
    counted_ = std::move(key);
    countedNames_ = document_.Names();
    StartCount();
}

void TruthTableWindow::StartCount() {
    const std::uint64_t generation = ++generation_;
    tableReady_ = formulasReady_ = false;
    highlighted_ = -1;
    shownNames_ = NameElements(document_.Names(), document_.Cells());
    const std::size_t n = shownNames_.sources.size();
    std::vector<NodePos> sources, lamps;
    std::vector<std::string> names;
    QStringList headers;
    for (const ShownName& s : shownNames_.sources) {
        sources.push_back(s.node);
        names.push_back(s.name);
        headers << Text(s.name);
    }
    for (const ShownName& l : shownNames_.lamps) {
        lamps.push_back(l.node);
        headers << Text(l.name);
    }
    const bool tooMany = n > kTableWindowMaxSources;
    model_->SetColumns(tooMany ? QStringList() : headers, tooMany ? 0 : static_cast<int>(n));
    Message->setText(QStringLiteral("…"));
    Message->show();
    formulas_.assign(tooMany ? 0 : lamps.size(), LampFormulas{"…", "…", "…"});
    ShowFormulas();

    auto cells = std::make_shared<CellGrid>(document_.Cells());
    pool_.start([this, generation, cells, sources, lamps, names, tooMany] {
        auto current = [&] { return generation_ == generation; };
        auto counted = std::make_shared<Counted>();
        auto signalGrid = std::make_unique<SignalGrid>();
        WorkQueue queue;
        const auto giveUpWhenOld = [&](std::uint64_t, std::uint64_t) {
            if (!current()) throw Superseded{};
        };
        try {
            if (!current()) return;
            if (!tooMany) counted->rows = EvaluateEveryRow(*cells, *signalGrid, queue, sources, lamps, giveUpWhenOld);
            counted->warnings = FindCircuitWarnings(*cells, *signalGrid, queue, giveUpWhenOld);
        } catch (const Superseded&) {
            return;
        }
        QMetaObject::invokeMethod(this, [this, generation, counted] { TakeTable(generation, counted); },
                                  Qt::QueuedConnection);
        std::vector<LampFormulas> formulas;
        for (std::size_t lamp = 0; lamp < (tooMany ? 0 : lamps.size()); ++lamp) {
            if (!current()) return;
            formulas.push_back(FormulasOfColumn(LampColumn(counted->rows, lamp), names));
        }
        QMetaObject::invokeMethod(
            this, [this, generation, formulas = std::move(formulas)] { TakeFormulas(generation, formulas); },
            Qt::QueuedConnection);
    });
}

void TruthTableWindow::TakeTable(std::uint64_t generation, std::shared_ptr<Counted> counted) {
    if (generation != generation_) return;
    const std::size_t n = shownNames_.sources.size();
    QStringList notes;
    if (n > kTableWindowMaxSources) {
        notes << tr("Источников в схеме: %1. Таблица истинности строится не больше чем для %2 "
                    "источников: уберите лишние, чтобы её увидеть.")
                     .arg(n)
                     .arg(kTableWindowMaxSources);
    } else {
        if (n == 0) notes << tr("В схеме нет источников.");
        if (shownNames_.lamps.empty()) notes << tr("В схеме нет лампочек.");
        model_->SetRows(std::move(counted->rows));
    }
    Message->setText(notes.join(QLatin1Char(' ')));
    Message->setVisible(!notes.isEmpty());

    Warnings->clear();
    marks_.clear();
    for (const CircuitWarning& w : counted->warnings) {
        Warnings->addItem(Text(w.text));
        marks_.insert(marks_.end(), w.marks.begin(), w.marks.end());
    }
    if (counted->warnings.empty()) Warnings->addItem(tr("Предупреждений нет."));
    tableReady_ = true;
    UpdateHighlight();
    emit marksChanged();
}

void TruthTableWindow::TakeFormulas(std::uint64_t generation, std::vector<LampFormulas> formulas) {
    if (generation != generation_) return;
    formulas_ = std::move(formulas);
    formulasReady_ = true;
    ShowFormulas();
}

void TruthTableWindow::ShowFormulas() {
    if (shownNames_.sources.size() > kTableWindowMaxSources) {
        Formulas->setPlainText(QString());
        return;
    }
    if (shownNames_.lamps.empty()) {
        Formulas->setPlainText(tr("В схеме нет лампочек: формулы описывают лампочки."));
        return;
    }
    const LampRows& rows = model_->Rows();
    // Products of a perfect form: one per row where the lamp shows 1 (СДНФ)
    // or does not (СКНФ).
    auto terms = [&](std::size_t lamp, bool ones) {
        qsizetype count = 0;
        for (std::size_t r = 0; r < RowCount(rows); ++r)
            if ((LampSignal(rows, r, lamp) == Signal1) == ones) ++count;
        return count;
    };
    QString text;
    const struct {
        QString title;
        std::string LampFormulas::*form;
        QString tooLong;  // %1 the lamp, %2 the number of terms; empty: always shown
        bool ones;
    } sections[] = {{tr("Минимальная форма:"), &LampFormulas::minimal, QString(), true},
                    {tr("СДНФ:"), &LampFormulas::dnf,
                     tr("%1: %2 слагаемых — слишком длинная формула, чтобы её показать\n"), true},
                    {tr("СКНФ:"), &LampFormulas::cnf,
                     tr("%1: %2 множителей — слишком длинная формула, чтобы её показать\n"), false}};
    for (const auto& section : sections) {
        if (!text.isEmpty()) text += QLatin1Char('\n');
        text += section.title + QLatin1Char('\n');
        for (std::size_t lamp = 0; lamp < formulas_.size(); ++lamp) {
            const QString name = Text(shownNames_.lamps[lamp].name);
            const QString formula = Text(formulas_[lamp].*section.form);
            if (!section.tooLong.isEmpty() && formula.size() > kLongestShownForm)
                text += section.tooLong.arg(name).arg(terms(lamp, section.ones));
            else
                text += name + QStringLiteral(" = ") + formula + QLatin1Char('\n');
        }
    }
    Formulas->setPlainText(text);
}

void TruthTableWindow::UpdateHighlight() {
    const std::size_t n = shownNames_.sources.size();
    int row = -1;
    if (tableReady_ && n <= kTableWindowMaxSources) {
        row = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const NodePos p = shownNames_.sources[i].node;
            row = row * 2 + (document_.Cells().at(p.x, p.y) == SourceOn ? 1 : 0);
        }
    }
    highlighted_ = row;
    model_->SetHighlight(row);
    if (row >= 0) Table->scrollTo(model_->index(row, 0));
}

}  // namespace vorn
