#include "dialogs/line_family_grid_dialog.h"

#include "dialogs/table_grid.h"
#include "gridctrl/grid_ctrl_kdx.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace dialogs {

namespace {

QLineEdit* Field(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

QCheckBox* Box(QWidget* parent, const char* text, const char* name) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    return box;
}

QPushButton* Button(QWidget* parent, const char* text, const char* name) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

CmLineFamilyGridInput::CmLineFamilyGridInput(const s_LineFamilyTable& table, QWidget* parent)
    : QDialog(parent), lineFields_(this), flags_(this) {
    setObjectName("lineFamilyGridDialog");
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    layout->addLayout(columns, 1);

    // The lines of the family.
    auto* existing = new QGroupBox("Existing Lines", this);
    auto* left = new QVBoxLayout(existing);
    auto* countRow = new QFormLayout;
    count_ = Field(existing, "numberOfLines");
    count_->setReadOnly(true);
    count_->setEnabled(false);
    countRow->addRow("Number of lines:", count_);
    left->addLayout(countRow);
    list_ = new QTreeWidget(existing);
    list_->setObjectName("lineList");
    list_->setColumnCount(1);
    list_->setHeaderLabels({"Line Number"});
    list_->headerItem()->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::SelectedClicked);
    left->addWidget(list_, 1);
    auto* newLine = Button(existing, "New Line", "newLine");
    auto* deleteLine = Button(existing, "Delete Line", "deleteLine");
    auto* deleteAll = Button(existing, "Delete All Lines", "deleteAllLines");
    for (QPushButton* b : {newLine, deleteLine, deleteAll}) left->addWidget(b);
    columns->addWidget(existing);

    // The current line: its fields and its points.
    auto* right = new QVBoxLayout;
    auto* form = new QFormLayout;
    auto* tableWidget = MakeTableWidget(this, grid_);
    state_ = std::make_unique<CmLineFamilyGridState>(table, *grid_, this);
    BuildFields(this, form);
    right->addLayout(form);
    right->addWidget(tableWidget, 1);
    columns->addLayout(right, 1);

    // The display selections of the family.
    const bool reinforcement = state_->Kind() == s_LineFamilyTable::Reinforcement;
    display_ = new QGroupBox(QString::fromStdString(state_->DisplayCaption()), this);
    display_->setObjectName("displaySelections");
    auto* boxes = new QHBoxLayout(display_);
    s_LineFamilyTable& flags = state_->Flags();
    auto* lines = Box(display_, "Display Lines", "displayLines");
    auto* points = Box(display_, "Display Points", "displayPoints");
    boxes->addWidget(lines);
    boxes->addWidget(points);
    flags_.Check(lines, flags.displayLines);
    flags_.Check(points, flags.displayPoints);
    if (reinforcement) {
        auto* longitudinal =
            Box(display_, "Display Longitudinal Force", "displayLongitudinalForce");
        auto* transverse = Box(display_, "Display Transverse Force", "displayTransverseForce");
        boxes->addWidget(longitudinal);
        boxes->addWidget(transverse);
        flags_.Check(longitudinal, flags.displayLongitudinalForce);
        flags_.Check(transverse, flags.displayTransverseForce);
    }
    boxes->addStretch();
    flags_.Check(clear_, flags.clearCoordinatesWhenNew);
    layout->addWidget(display_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setWindowTitle(QString::fromStdString(state_->Caption()));
    resize(reinforcement ? 860 : 700, 560);

    grid_->SetOwner(this);
    tableWidget->installEventFilter(this);
    tableWidget->viewport()->installEventFilter(this);
    state_->Initialize();
    flags_.ToWidgets();
    ShowState();

    connect(newLine, &QPushButton::clicked, this, [this] { OnNewLine(); });
    connect(deleteLine, &QPushButton::clicked, this, [this] { OnDeleteLine(); });
    connect(deleteAll, &QPushButton::clicked, this, [this] { OnDeleteAllLines(); });
    connect(list_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { OnCurrentItemChanged(item); });
    connect(list_, &QTreeWidget::itemChanged, this,
            [this](QTreeWidgetItem* item) { OnItemChanged(item); });
}

CmLineFamilyGridInput::~CmLineFamilyGridInput() { grid_->SetOwner(nullptr); }

void CmLineFamilyGridInput::BuildFields(QWidget* parent, QFormLayout* form) {
    CmLineFamilyGridState& s = *state_;
    s_LineFamilyLine& f = s.fields;
    number_ = Field(parent, "lineNumber");
    number_->setReadOnly(true);
    number_->setEnabled(false);
    form->addRow("Line number:", number_);
    lineFields_.Custom([this] { number_->setText(QString::number(state_->fields.number)); },
                       [] { return true; });
    lineFields_.Custom([this] { count_->setText(QString::number(state_->LineCount())); },
                       [] { return true; });
    // Only the kind's attribute fields are made; the others stay out of the window.
    switch (s.Kind()) {
    case s_LineFamilyTable::Profile:
        material_ = Field(parent, "materialNumber");
        form->addRow("Material number:", material_);
        lineFields_.Integer(material_, f.materialNumber);
        break;
    case s_LineFamilyTable::Piezometric:
        unitWeight_ = Field(parent, "unitWeight");
        form->addRow("Unit weight of fluid:", unitWeight_);
        lineFields_.Number(unitWeight_, f.unitWeight);
        break;
    default:
        rotation_ = Field(parent, "maximumRotation");
        form->addRow("Maximum rotation (degrees):", rotation_);
        lineFields_.Number(rotation_, f.maximumRotation);
        forceOption_ = new QComboBox(parent);
        forceOption_->setObjectName("forceOption");
        forceOption_->addItems(
            {"Apply to sides of slice and slip surface", "Apply only to slip surface"});
        form->addRow("Force option:", forceOption_);
        lineFields_.Custom(
            [this] { forceOption_->setCurrentIndex(state_->fields.forceOption == 2 ? 1 : 0); },
            [this] {
                state_->fields.forceOption = forceOption_->currentIndex() + 1;
                return true;
            });
        break;
    }
    description_ = Field(parent, "description");
    form->addRow("Description:", description_);
    lineFields_.Text(description_, f.description);
    clear_ = Box(parent, "Clear coordinates when new line", "clearCoordinates");
    form->addRow(clear_);
}

void CmLineFamilyGridInput::ShowState() {
    lineFields_.ToWidgets();
    const QSignalBlocker block(list_);
    updatingList_ = true;
    list_->clear();
    for (const std::string& text : state_->ListTexts()) {
        auto* item = new QTreeWidgetItem(list_, {QString::fromStdString(text)});
        item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        // The "<None>" item stands for no line and cannot be renumbered.
        if (state_->LineCount() > 0) item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    if (state_->CurrentIndex() >= 0)
        list_->setCurrentItem(list_->topLevelItem(state_->CurrentIndex()));
    updatingList_ = false;
}

void CmLineFamilyGridInput::OnNewLine() {
    if (!lineFields_.FromWidgets() || !flags_.FromWidgets()) return;
    if (state_->NewLine()) ShowState();
}

void CmLineFamilyGridInput::OnDeleteLine() {
    if (state_->CurrentIndex() < 0) return;
    state_->DeleteLine();
    ShowState();
}

void CmLineFamilyGridInput::OnDeleteAllLines() {
    state_->DeleteAllLines();
    ShowState();
}

void CmLineFamilyGridInput::OnCurrentItemChanged(QTreeWidgetItem* item) {
    if (updatingList_ || !item) return;
    const int index = list_->indexOfTopLevelItem(item);
    // Every change of the highlighted item, by mouse or keys, switches the current line; a line
    // that cannot be stored stays current and highlighted.
    if (index != state_->CurrentIndex() && state_->CurrentIndex() >= 0) {
        if (lineFields_.FromWidgets()) state_->SwitchTo(index);
    }
    ShowState();
}

void CmLineFamilyGridInput::OnItemChanged(QTreeWidgetItem* item) {
    if (updatingList_ || !item) return;
    const int index = list_->indexOfTopLevelItem(item);
    const std::string text = item->text(0).toStdString();
    // The item shows its line's number until the new one is accepted. The check and its notices
    // run after the editor has closed.
    {
        const QSignalBlocker block(list_);
        if (index >= 0 && index < state_->LineCount())
            item->setText(0, QString::number(state_->Lines()[index].number));
    }
    QMetaObject::invokeMethod(
        this,
        [this, index, text] {
            if (state_->RenumberItem(index, text)) ShowState();
        },
        Qt::QueuedConnection);
}

int CmLineFamilyGridInput::OnBeginEdit(gridctrl::CCellID) {
    // The table's own filling and clearing before the window shows are not the user's edits.
    if (state_->MayEditCells() || !isVisible()) return 0;
    if (!noticeShown_) {
        CmLineFamilyGridState::ShowNotice(this, CmLineFamilyGridState::kNoCurrentLine);
        // The other cells of the same paste or clearing are refused without another notice.
        noticeShown_ = true;
    }
    return -1;
}

bool CmLineFamilyGridInput::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Drop: noticeShown_ = false; break;
    default: break;
    }
    return QDialog::eventFilter(watched, event);
}

void CmLineFamilyGridInput::accept() {
    if (!lineFields_.FromWidgets() || !flags_.FromWidgets()) return;
    const bool finished = state_->Finish();
    // A refused line is made current, so the fields show it.
    ShowState();
    if (finished) QDialog::accept();
}

bool QtLineFamilyGrid::Run(s_LineFamilyTable& table) {
    CmLineFamilyGridInput dialog(table, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    table = dialog.State().Result();
    return true;
}

}  // namespace dialogs
