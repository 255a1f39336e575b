#include "optform.h"

#include "fileassociation.h"

#include <algorithm>
#include <cstdint>

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QHideEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QShowEvent>
#include <QSlider>
#include <QSpinBox>
#include <QTreeWidget>

#include "circuitfile.h"
#include "colortext.h"
#include "dialogs.h"
#include "namelabels.h"
#include "settingsstore.h"

namespace vorn {

namespace {

constexpr int kExampleSide = 6;
using ExampleTable = std::array<std::array<std::int32_t, kExampleSide>, kExampleSide>;  // [X][Y]

struct PreviewExample {
    ExampleTable codes;
    ExampleTable signalValues;
};

// Small running circuits: sources, wires, an inverter and gates lighting
// lamps, so that all three colours show.
constexpr std::array<PreviewExample, kPreviewExamples> kExamples{{
    {{{{0, 0, 0, 0, 0, 1},
       {0, 3, 0, 6, 0, 0},
       {0, 0, 3, 4, 2, 0},
       {0, 12, 1, 18, 20, 18},
       {0, 1, 1, 19, 17, 19},
       {0, 2, 0, 0, 8, 0}}},
     {{{0, 0, 0, 10, 0, 0},
       {0, 10, 10, 10, 10, 0},
       {0, 10, 11, 10, 11, 11},
       {0, 11, 11, 10, 11, 11},
       {0, 11, 11, 0, 11, 0},
       {0, 11, 11, 0, 11, 0}}}},
    {{{{0, 0, 0, 0, 0, 0},
       {0, 7, 2, 2, 2, 0},
       {0, 0, 0, 3, 1, 12},
       {0, 18, 16, 18, 2, 0},
       {0, 19, 17, 19, 3, 1},
       {0, 0, 8, 0, 2, 0}}},
     {{{0, 11, 0, 0, 0, 0},
       {11, 11, 11, 11, 11, 11},
       {0, 11, 0, 10, 10, 10},
       {0, 11, 10, 10, 10, 10},
       {0, 0, 10, 0, 0, 0},
       {0, 0, 10, 0, 0, 0}}}},
    {{{{0, 0, 0, 0, 0, 0},
       {0, 2, 0, 6, 0, 7},
       {0, 12, 1, 12, 0, 0},
       {0, 12, 1, 18, 16, 18},
       {0, 0, 1, 19, 17, 19},
       {0, 8, 0, 0, 8, 0}}},
     {{{0, 0, 0, 10, 0, 11},
       {0, 10, 10, 10, 11, 11},
       {0, 11, 0, 11, 0, 11},
       {0, 10, 0, 11, 11, 11},
       {0, 10, 0, 0, 11, 0},
       {0, 10, 0, 0, 11, 0}}}},
    {{{{0, 0, 0, 0, 0, 0},
       {0, 7, 0, 1, 0, 6},
       {0, 52, 0, 0, 3, 51},
       {0, 12, 18, 20, 18, 12},
       {0, 0, 19, 17, 19, 0},
       {0, 8, 0, 8, 0, 8}}},
     {{{0, 11, 0, 0, 0, 10},
       {11, 11, 11, 0, 10, 10},
       {0, 11, 11, 0, 10, 10},
       {0, 10, 11, 11, 10, 11},
       {0, 10, 0, 11, 0, 11},
       {0, 10, 0, 11, 0, 11}}}},
    {{{{0, 0, 0, 0, 0, 0},
       {0, 3, 53, 2, 0, 7},
       {0, 12, 18, 20, 18, 0},
       {0, 0, 19, 17, 19, 2},
       {0, 18, 16, 18, 3, 0},
       {0, 19, 17, 19, 1, 8}}},
     {{{0, 0, 0, 0, 0, 11},
       {0, 11, 11, 11, 11, 11},
       {0, 10, 11, 11, 11, 11},
       {0, 10, 0, 11, 0, 0},
       {0, 10, 10, 11, 10, 10},
       {0, 0, 10, 0, 10, 10}}}},
}};

constexpr int kPreviewSide = 135;
const CircuitColors kDefaultColours{};  // black, light blue, red

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

// The examples show how names look: each source and lamp carries the name
// it would be called by (A, B, ..., F1, ...).
NameTable ExampleNames(const CellGrid& cells) {
    NameTable names;
    const ShownNames shown = NameElements(NameTable{}, cells);
    for (const auto* group : {&shown.sources, &shown.lamps})
        for (const ShownName& element : *group) names[element.node] = element.name;
    return names;
}

std::uint32_t ValueOf(const QColor& colour) {
    return ColorFromRgb(static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
                        static_cast<std::uint8_t>(colour.blue()));
}

// A stored integer, or nullopt for anything that is no whole number.
std::optional<long long> ParseInteger(const QString& text) {
    bool ok = false;
    const long long value = text.trimmed().toLongLong(&ok);
    if (!ok) return std::nullopt;
    return value;
}

int Clamped(long long value, int low, int high) {
    return static_cast<int>(std::clamp<long long>(value, low, high));
}

QString Flag(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

}  // namespace

// The file icon as the desktop shows it; where its picture cannot be read
// (no SVG support installed) a plain square with the icon's number.
QPixmap FileIconPicture(int number) {
    const QPixmap drawn = QIcon(FileIconResource(number)).pixmap(32, 32);
    if (!drawn.isNull()) return drawn;
    QPixmap picture(32, 32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(QPen(Qt::darkBlue, 2));
    painter.drawRect(1, 1, 30, 30);
    QFont font = painter.font();
    font.setPixelSize(20);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(picture.rect(), Qt::AlignCenter, QString::number(number));
    return picture;
}

QString WriteNameHelpText() {
    return TOpt::tr("Если стоит галочка, то  это имя будет указано в верху напечатанной  схемы.") +
           QStringLiteral("\r\n") +
           TOpt::tr("Удобно при использовании программы в учебных заведениях при распечатке на сетевом принтере, "
                    "тогда проверка какой-нибудь контрольной сводится к проверке распечатанных документов "
                    "(можно установить виртуальный принтер для экономии бумаги).");
}

TOpt::TOpt(const UserSettings& initial, const QString& programFolder, const QString& settingsPath)
    : QDialog(nullptr),  // no parent: disabling the main window must not disable the dialog
      applied_(initial),
      programFolder_(programFolder),
      settingsPath_(settingsPath.isEmpty() ? SettingsStore::DefaultFilePath() : settingsPath),
      swatchColours_{kDefaultColours.wire, kDefaultColours.zero, kDefaultColours.one, kDefaultColours.lit},
      exampleCells_(std::make_unique<CellGrid>()),
      exampleSignals_(std::make_unique<SignalGrid>()),
      preview_(kPreviewSide, kPreviewSide, QImage::Format_RGB32) {
    setWindowTitle(tr("Настройки программы"));
    setFixedSize(448, 342);

    ExampleDraw = [] { return static_cast<int>(QRandomGenerator::global()->bounded(kPreviewExamples + 1)); };

    PageTree = new QTreeWidget(this);
    PageTree->setGeometry(4, 4, 126, 300);
    PageTree->setHeaderHidden(true);
    auto* generalNode = new QTreeWidgetItem(PageTree, QStringList{tr("Общии")});
    new QTreeWidgetItem(PageTree, QStringList{tr("Цвета")});
    PageTree->expandAll();

    BuildGeneralPage();
    BuildRecoveryRows();
    BuildLanguageRow();
    BuildColoursPage();
    // A general page grown for its labels and rows widens and heightens the
    // colours page, the page tree and the dialog.
    setFixedSize(width() + GeneralPage->width() - ColoursPage->width(),
                 height() + GeneralPage->height() - ColoursPage->height());
    ColoursPage->resize(GeneralPage->size());
    PageTree->resize(PageTree->width(), GeneralPage->height());

    connect(PageTree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (!item) return;
        const bool colours = PageTree->indexOfTopLevelItem(item) == 1;
        GeneralPage->setVisible(!colours);
        ColoursPage->setVisible(colours);
    });
    PageTree->setCurrentItem(generalNode);
    GeneralPage->show();
    ColoursPage->hide();

    CloseButton = new QPushButton(QStringLiteral("Close"), this);
    CloseButton->setGeometry(width() - 83, height() - 32, 75, 25);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);

    SelectExample(1);
    UpdateIconPreview();
    LoadSettings();
}

void TOpt::BuildGeneralPage() {
    GeneralPage = new QGroupBox(tr("Общие"), this);
    GeneralPage->setGeometry(134, 4, 306, 300);

    ShowMasterBox = new QCheckBox(tr("Запускать мастера обучения при старте"), GeneralPage);
    ShowMasterBox->setGeometry(8, 22, 290, 20);
    ShowMasterBox->setChecked(true);

    auto* stepLabel = new QLabel(tr("Прокручивать скролом на"), GeneralPage);
    stepLabel->setGeometry(8, 52, 236, 20);
    ScrollStepEdit = new QSpinBox(GeneralPage);
    ScrollStepEdit->setGeometry(246, 50, 52, 24);
    ScrollStepEdit->setRange(kMinScrollStep, kMaxScrollStep);
    ScrollStepEdit->setValue(Clamped(applied_.km, kMinScrollStep, kMaxScrollStep));

    auto* factorLabel = new QLabel(tr("Коэфициент при прокрутке с  Shift'ом"), GeneralPage);
    factorLabel->setGeometry(8, 82, 236, 20);
    ShiftFactorEdit = new QSpinBox(GeneralPage);
    ShiftFactorEdit->setGeometry(246, 80, 52, 24);
    ShiftFactorEdit->setRange(kMinScrollStep, kMaxScrollStep);
    ShiftFactorEdit->setValue(Clamped(applied_.kmiddles, kMinScrollStep, kMaxScrollStep));
    // The two labels take the width their text needs, at least the usual
    // one; their spin boxes stand right of them, and the page grows with them.
    const int labelWidth =
        std::max({stepLabel->width(), stepLabel->sizeHint().width(), factorLabel->sizeHint().width()});
    const int extra = labelWidth - stepLabel->width();
    for (QLabel* label : {stepLabel, factorLabel}) label->resize(labelWidth, label->height());
    for (QSpinBox* edit : {ScrollStepEdit, ShiftFactorEdit}) edit->move(edit->x() + extra, edit->y());
    GeneralPage->resize(GeneralPage->width() + extra, GeneralPage->height());

    WriteNameBox = new QCheckBox(tr("Печатать имя отправителя."), GeneralPage);
    WriteNameBox->setGeometry(8, 114, 200, 20);
    WriteNameBox->setChecked(true);
    connect(WriteNameBox, &QCheckBox::toggled, this, [this](bool on) {
        UserSettings changed = applied_;
        changed.writeUserName = on;
        Hand(changed);
    });
    MoreLink = new QLabel(tr("Подробнее..."), GeneralPage);
    MoreLink->setGeometry(210, 114, 88, 20);
    MoreLink->setCursor(Qt::PointingHandCursor);
    QFont linkFont = MoreLink->font();
    linkFont.setUnderline(true);
    MoreLink->setFont(linkFont);
    QPalette linkPalette = MoreLink->palette();
    linkPalette.setColor(QPalette::WindowText, Qt::blue);
    MoreLink->setPalette(linkPalette);
    MoreLink->installEventFilter(this);

    auto* iconLabel = new QLabel(tr("Иконка для *.vfl файлов"), GeneralPage);
    iconLabel->setGeometry(8, 146, 290, 20);
    IconPreview = new QLabel(GeneralPage);
    IconPreview->setGeometry(8, 170, 32, 32);
    IconSlider = new QSlider(Qt::Horizontal, GeneralPage);
    IconSlider->setGeometry(52, 176, 150, 22);
    IconSlider->setRange(0, kIconCount - 1);
    IconSlider->setPageStep(1);
    IconSlider->setTickPosition(QSlider::TicksBelow);
    IconSlider->setValue(1);
    connect(IconSlider, &QSlider::valueChanged, this, &TOpt::UpdateIconPreview);

    AssociateButton = new QPushButton(tr("Ассоциировать файлы *.vfl c vorn"), GeneralPage);
    AssociateButton->setGeometry(8, 216, 290, 27);
    connect(AssociateButton, &QPushButton::clicked, this, &TOpt::associateRequested);

    for (QSpinBox* edit : {ScrollStepEdit, ShiftFactorEdit}) {
        connect(edit, &QSpinBox::valueChanged, this, [this] {
            if (!loading_) SaveAndReload();
        });
        edit->installEventFilter(this);
        // Presses on the text part reach the spin box's own line edit.
        if (auto* line = edit->findChild<QLineEdit*>()) line->installEventFilter(this);
    }
    ShowMasterBox->installEventFilter(this);
    AssociateButton->installEventFilter(this);
}

void TOpt::BuildColoursPage() {
    ColoursPage = new QGroupBox(tr("Цвета"), this);
    ColoursPage->setGeometry(134, 4, 306, 300);

    PreviewLabel = new QLabel(ColoursPage);
    PreviewLabel->setGeometry(8, 22, kPreviewSide, kPreviewSide);
    PreviewLabel->setFrameShape(QFrame::NoFrame);

    const std::array<QString, 4> captions{tr("Цвет проводов"), tr("Цвет проводов \"0\""),
                                          tr("Цвет проводов \"1\""), tr("Цвет горящей лампочки")};
    for (std::size_t i = 0; i < Swatches.size(); ++i) {
        const int top = 22 + static_cast<int>(i) * 46;
        auto* swatch = new QFrame(ColoursPage);
        swatch->setGeometry(152, top, 57, 25);
        swatch->setFrameStyle(QFrame::Box | QFrame::Plain);
        swatch->setAutoFillBackground(true);
        swatch->setCursor(Qt::PointingHandCursor);
        swatch->installEventFilter(this);
        Swatches[i] = swatch;
        auto* label = new QLabel(captions[i], ColoursPage);
        label->setGeometry(152, top + 26, 150, 18);
        label->installEventFilter(this);
        SwatchLabels[i] = label;
        SetSwatch(static_cast<int>(i), swatchColours_[i]);
    }

    DefaultColoursButton = new QPushButton(tr("Вернуть стандартные цвета"), ColoursPage);
    DefaultColoursButton->setGeometry(8, 216, 290, 27);
    connect(DefaultColoursButton, &QPushButton::clicked, this, &TOpt::RestoreDefaultColours);
    DefaultColoursButton->installEventFilter(this);
    BuildSignalCueRows();
}

void TOpt::SetSwatch(int index, const QColor& colour) {
    const auto i = static_cast<std::size_t>(index);
    swatchColours_[i] = colour;
    QPalette palette = Swatches[i]->palette();
    palette.setColor(QPalette::Window, colour);
    Swatches[i]->setPalette(palette);
}

void TOpt::ChooseColour(int index) {
    if (index < 0 || index >= static_cast<int>(Swatches.size())) return;
    const std::optional<QColor> chosen = Dialogs::Current().ChooseColour(this, SwatchColour(index));
    if (!chosen || !chosen->isValid()) return;
    SetSwatch(index, *chosen);
    RedrawPreview();
}

void TOpt::RestoreDefaultColours() {
    SetSwatch(0, kDefaultColours.wire);
    SetSwatch(1, kDefaultColours.zero);
    SetSwatch(2, kDefaultColours.one);
    SetSwatch(3, kDefaultColours.lit);
    RedrawPreview();
}

void TOpt::ShowWriteNameHelp() {
    Dialogs::Current().Message(this, QMessageBox::Information, QString::fromUtf8(ProgramTitle),
                               WriteNameHelpText(), QMessageBox::Ok, QMessageBox::Ok);
}

void TOpt::SelectExample(int number) {
    if (number < 1 || number > kPreviewExamples) return;
    example_ = number;
    const PreviewExample& source = kExamples[static_cast<std::size_t>(number - 1)];
    ClearCellGrid(*exampleCells_);
    ClearCellGrid(*exampleSignals_);
    for (int x = 0; x < kExampleSide; ++x) {
        for (int y = 0; y < kExampleSide; ++y) {
            exampleCells_->at(x, y) = source.codes[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
            exampleSignals_->at(x, y) = source.signalValues[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
        }
    }
    RedrawPreview();
}

void TOpt::RedrawPreview() {
    const CircuitView view{2, 0, 0, true};
    const CircuitColors colours = ShownColours();
    RenderCircuit(preview_, *exampleCells_, *exampleSignals_, view, colours);
    DrawElementNames(preview_, *exampleCells_, ExampleNames(*exampleCells_), view, colours.wire);
    PreviewLabel->setPixmap(QPixmap::fromImage(preview_));
}

void TOpt::UpdateIconPreview() { IconPreview->setPixmap(FileIconPicture(IconSlider->value())); }

bool TOpt::WriteUserName() const { return WriteNameBox->isChecked(); }
bool TOpt::ShowMasterAtStart() const { return ShowMasterBox->isChecked(); }
int TOpt::IconNumber() const { return IconSlider->value(); }

void TOpt::LoadSettings() {
    StoredSettings values;
    if (!SettingsStore(settingsPath_).ReadOptions(values)) return;
    loading_ = true;
    if (values.writeuname) WriteNameBox->setChecked(*values.writeuname == QLatin1String("1"));
    if (values.ShowMaster) ShowMasterBox->setChecked(*values.ShowMaster == QLatin1String("1"));

    UserSettings changed = applied_;
    CircuitColors& colours = changed.colors;
    const std::array<const std::optional<QString>*, 4> colourTexts{&values.co, &values.bc, &values.gc,
                                                                   &values.LampColour};
    const std::array<QColor*, 4> targets{&colours.wire, &colours.zero, &colours.one, &colours.lit};
    bool coloursChanged = false;
    for (std::size_t i = 0; i < colourTexts.size(); ++i) {
        const std::optional<QColor> stored = StoredColour(*colourTexts[i]);
        if (!stored) continue;
        SetSwatch(static_cast<int>(i), *stored);
        *targets[i] = swatchColours_[i];
        coloursChanged = true;
    }
    if (coloursChanged) RedrawPreview();

    if (values.tbp)
        if (const auto icon = ParseInteger(*values.tbp)) IconSlider->setValue(Clamped(*icon, 0, kIconCount - 1));
    if (values.km) {
        if (const auto step = ParseInteger(*values.km))
            ScrollStepEdit->setValue(Clamped(*step, kMinScrollStep, kMaxScrollStep));
        changed.km = ScrollStepEdit->value();
    }
    if (values.kmiddles) {
        if (const auto factor = ParseInteger(*values.kmiddles))
            ShiftFactorEdit->setValue(Clamped(*factor, kMinScrollStep, kMaxScrollStep));
        changed.kmiddles = ShiftFactorEdit->value();
    }
    LoadRecoveryValues(values, changed);
    LoadSignalCues(values, changed);
    loading_ = false;
    Hand(changed);
}

void TOpt::RegisterAssociation(bool force) {
    SettingsStore store(settingsPath_);
    RegisterFileAssociation(QStringLiteral("vfl"), QCoreApplication::applicationFilePath(), IconNumber(), force, store);
}

void TOpt::SaveSettings() {
    StoredSettings values;
    values.ShowMaster = Flag(ShowMasterBox->isChecked());
    values.co = QString::fromStdString(ColorToText(ValueOf(swatchColours_[0])));
    values.bc = QString::fromStdString(ColorToText(ValueOf(swatchColours_[1])));
    values.gc = QString::fromStdString(ColorToText(ValueOf(swatchColours_[2])));
    values.LampColour = QString::fromStdString(ColorToText(ValueOf(swatchColours_[3])));
    values.tbp = QString::number(IconSlider->value());
    values.km = QString::number(ScrollStepEdit->value());
    values.kmiddles = QString::number(ShiftFactorEdit->value());
    values.writeuname = Flag(WriteNameBox->isChecked());
    SaveRecoveryValues(values);
    SaveSignalCues(values);
    SettingsStore(settingsPath_)
        // The file's own description line, never shown: the same in every language.
        .WriteAll(QString::fromUtf8(ProgramTitle), Text("Vorn — учебная программа по алгебре логики"),
                  programFolder_, values);
}

void TOpt::SaveAndReload() {
    SaveSettings();
    LoadSettings();
}

void TOpt::Open() {
    show();
    raise();
    activateWindow();
    setFocus();
}

void TOpt::ApplyColours() {
    UserSettings changed = applied_;
    changed.colors = ShownColours();
    Hand(changed);
}

void TOpt::Hand(const UserSettings& settings) {
    applied_ = settings;
    emit settingsChanged(applied_);
}

bool TOpt::IsSavingControl(QObject* object) const {
    if (object == ShowMasterBox || object == AssociateButton || object == DefaultColoursButton) return true;
    for (QSpinBox* edit : {ScrollStepEdit, ShiftFactorEdit})
        if (object == edit || object->parent() == edit) return true;
    return std::find(Swatches.begin(), Swatches.end(), object) != Swatches.end();
}

bool TOpt::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (std::size_t i = 0; i < Swatches.size(); ++i) {
            if (watched == Swatches[i] || watched == SwatchLabels[i]) {
                ChooseColour(static_cast<int>(i));
                return true;
            }
        }
    } else if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == MoreLink) {
            ShowWriteNameHelp();
            return true;
        }
        if (IsSavingControl(watched)) {
            // The control handles the release first (a check box toggles
            // there), so the state written is the one the user now sees.
            watched->event(event);
            SaveAndReload();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TOpt::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (ExampleDraw) {
        const int drawn = ExampleDraw();
        if (drawn >= 1 && drawn <= kPreviewExamples) SelectExample(drawn);
    }
}

void TOpt::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (event->spontaneous()) return;  // minimised, not closed
    ApplyColours();
}

}  // namespace vorn
