#include "dialogs/nail_layout_sheet.h"

#include "dialogs/choice_dialogs.h"
#include "dialogs/nail_layout_form.h"
#include "dialogs/unit_lists.h"
#include "platform/message_box.h"
#include "platform/services.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace dialogs {

namespace {

QLineEdit* NumberEdit(const char* name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    return edit;
}

void Refuse(QWidget* owner, const char* text) {
    platform::MessageBoxRequest request;
    request.caption = "ERROR";
    request.text = text;
    request.owner = platform::BoxOwner::Window;
    request.window = owner->window();
    platform::Services().MessageBoxes().Show(request);
}

}  // namespace

NailLayoutPage::NailLayoutPage(s_NailLayoutPage& page, const std::vector<std::string>& typeNames,
                               QWidget* parent)
    : QWidget(parent), page_(page), dx_(this) {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QFormLayout;
    type_ = new QComboBox;
    type_->setObjectName("type");
    type_->addItem("No bar type - Layout not used.");
    for (const std::string& name : typeNames) type_->addItem(QString::fromStdString(name));
    top->addRow("Nail type (from types previously defined):", type_);
    layout->addLayout(top);

    auto* horizontal = new QGroupBox("Horizontal Layout (Along Wall Face)");
    auto* hForm = new QFormLayout(horizontal);
    horizontalSpacing_ = NumberEdit("horizontalSpacing");
    hForm->addRow("Horizontal spacing between nails:", horizontalSpacing_);
    sameAsVertical_ = new QCheckBox("Same as vertical spacing");
    sameAsVertical_->setObjectName("sameAsVertical");
    hForm->addRow(sameAsVertical_);
    layout->addWidget(horizontal);

    auto* vertical = new QGroupBox("Vertical Layout");
    auto* vForm = new QFormLayout(vertical);
    option_ = new QComboBox;
    option_->setObjectName("option");
    option_->addItems({"By top elevation, number of nails and vertical spacing",
                       "By bottom elevation, number of nails and vertical spacing",
                       "By top and bottom elevation and number of nails",
                       "By top and bottom elevation and vertical spacing"});
    vForm->addRow("Option:", option_);
    number_ = NumberEdit("number");
    vForm->addRow("Number of nails (vertically):", number_);
    verticalSpacing_ = NumberEdit("verticalSpacing");
    vForm->addRow("Vertical spacing between nails:", verticalSpacing_);
    topY_ = NumberEdit("topY");
    vForm->addRow("Top of slope (Y):", topY_);
    topDistance_ = NumberEdit("topDistance");
    vForm->addRow("Vertical distance from top to highest nail:", topDistance_);
    bottomY_ = NumberEdit("bottomY");
    vForm->addRow("Bottom of slope (Y):", bottomY_);
    bottomDistance_ = NumberEdit("bottomDistance");
    vForm->addRow("Vertical distance from bottom to lowest nail:", bottomDistance_);
    layout->addWidget(vertical);

    auto* lateral = new QGroupBox("Lateral Layout (into Slope)");
    auto* lForm = new QFormLayout(lateral);
    length_ = NumberEdit("length");
    lForm->addRow("Nail lengths:", length_);
    inclination_ = NumberEdit("inclination");
    lForm->addRow("Nail inclination downward from horizontal (degrees):", inclination_);
    layout->addWidget(lateral);

    auto* bottom = new QFormLayout;
    auto* faces = new QHBoxLayout;
    left_ = new QRadioButton("Left");
    left_->setObjectName("left");
    right_ = new QRadioButton("Right");
    right_->setObjectName("right");
    faces->addWidget(left_);
    faces->addWidget(right_);
    faces->addStretch();
    bottom->addRow("Direction slope faces:", faces);
    unit_ = new CmLengthUnitsList;
    unit_->setObjectName("unit");
    bottom->addRow("Units for coordinates, lengths and spacing:", unit_);
    layout->addLayout(bottom);
    layout->addStretch();

    // A type outside the list shows as no type.
    if (page_.nailType < 0 || page_.nailType > static_cast<int>(typeNames.size()))
        page_.nailType = 0;
    dx_.Choice(type_, page_.nailType);
    dx_.Number(horizontalSpacing_, page_.horizontalSpacing);
    dx_.Check(sameAsVertical_, page_.sameAsVertical);
    dx_.Choice(option_, page_.option);
    dx_.Integer(number_, page_.numberOfNails);
    dx_.Number(verticalSpacing_, page_.verticalSpacing);
    dx_.Number(topY_, page_.topY);
    dx_.Number(topDistance_, page_.topDistance);
    dx_.Number(bottomY_, page_.bottomY);
    dx_.Number(bottomDistance_, page_.bottomDistance);
    dx_.Number(length_, page_.length);
    dx_.Number(inclination_, page_.inclination);
    dx_.Radio({left_, right_}, page_.face);
    dx_.Choice(unit_, page_.unit);
    Show();
    ApplyRules();

    // The rules follow the choices at once; what is typed elsewhere is kept.
    const auto follow = [this] {
        page_.nailType = type_->currentIndex();
        page_.sameAsVertical = sameAsVertical_->isChecked();
        page_.option = option_->currentIndex();
        ApplyRules();
    };
    connect(type_, &QComboBox::currentIndexChanged, this, follow);
    connect(option_, &QComboBox::currentIndexChanged, this, follow);
    connect(sameAsVertical_, &QCheckBox::toggled, this, follow);
}

void NailLayoutPage::ApplyRules() {
    const s_NailLayoutFieldStates s = NailLayoutFieldStates(page_);
    left_->setEnabled(s.face);
    right_->setEnabled(s.face);
    sameAsVertical_->setEnabled(s.sameAsVertical);
    option_->setEnabled(s.option);
    horizontalSpacing_->setEnabled(s.horizontalSpacing);
    number_->setEnabled(s.number);
    topY_->setEnabled(s.topY);
    topDistance_->setEnabled(s.topDistance);
    bottomY_->setEnabled(s.bottomY);
    bottomDistance_->setEnabled(s.bottomDistance);
    verticalSpacing_->setEnabled(s.verticalSpacing);
    length_->setEnabled(s.length);
    inclination_->setEnabled(s.inclination);
}

bool NailLayoutPage::Read() {
    if (!dx_.FromWidgets()) return false;
    if (page_.inclination < 0.0 || page_.inclination > 90.0) {
        Refuse(this, "Enter a number between 0 and 90.");
        inclination_->setFocus();
        inclination_->selectAll();
        return false;
    }
    return true;
}

bool NailLayoutPage::Leave() {
    if (!Read()) return false;
    s_NailCountChoice choice;
    switch (CheckNailLayoutPage(page_, choice)) {
    case e_NailLayoutLeave::Leave: return true;
    case e_NailLayoutLeave::SpacingRefused:
        Refuse(this, "Error - Vertical spacing not allowed");
        verticalSpacing_->setFocus();
        return false;
    case e_NailLayoutLeave::CountAsked: {
        CmTwoButtonDialog ask(this);
        ask.MessageText = "Vertical spacing results in a non-integer number of nails.  Choose an "
                          "integer number of nails from below and the vertical spacng will be "
                          "adjusted accordingly.";
        ask.Button1Text = QString("%1 Nails").arg(choice.fewer);
        ask.Button2Text = QString("%1 Nails").arg(choice.more);
        ApplyNailCount(page_, choice, ask.DoModal() == 1 ? choice.fewer : choice.more);
        Show();
        return false;
    }
    }
    return false;
}

NailLayoutSheet::NailLayoutSheet(std::array<s_NailLayoutPage, 8>& pages,
                                 const std::vector<std::string>& typeNames, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle("Layout Information for Nails");
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget;
    for (int i = 0; i < 8; ++i) {
        pages_[static_cast<size_t>(i)] =
            new NailLayoutPage(pages[static_cast<size_t>(i)], typeNames);
        tabs_->addTab(pages_[static_cast<size_t>(i)], QString("Layout %1").arg(i + 1));
    }
    layout->addWidget(tabs_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(tabs_, &QTabWidget::currentChanged, this, &NailLayoutSheet::PageChanging);
}

void NailLayoutSheet::PageChanging(int index) {
    if (returning_) return;
    // The page being left is read first; a page that cannot be left comes back to the front.
    // (A refused field brings its page forward itself: that is no page change.)
    returning_ = true;
    if (pages_[static_cast<size_t>(current_)]->Leave()) current_ = index;
    tabs_->setCurrentIndex(current_);
    returning_ = false;
}

void NailLayoutSheet::accept() {
    returning_ = true;
    bool ok = pages_[static_cast<size_t>(current_)]->Leave();
    for (int i = 0; ok && i < 8; ++i)
        if (i != current_ && !pages_[static_cast<size_t>(i)]->Read()) {
            current_ = i;
            tabs_->setCurrentIndex(i);
            ok = false;
        }
    returning_ = false;
    if (ok) QDialog::accept();
}

}  // namespace dialogs
