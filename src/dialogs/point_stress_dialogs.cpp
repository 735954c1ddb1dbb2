#include "dialogs/point_stress_dialogs.h"

#include "core/unit_words.h"

#include "core/preferences.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <optional>

namespace dialogs {

namespace {

const char* Caption(PointStressDialog::Kind kind) {
    switch (kind) {
    case PointStressDialog::EffectiveStress: return "Vertical Effective Stress Computation";
    case PointStressDialog::Overburden: return "Overburden Pressure Computation";
    case PointStressDialog::PoreWater: return "Pore Water Pressure Computation";
    }
    return "";
}

QLineEdit* NamedEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

}  // namespace

PointStressDialog::PointStressDialog(Kind kind, const Cpp_Kliven4DataSet& dataSet, double x,
                                     double y, QWidget* parent)
    : QDialog(parent), kind_(kind), dataSet_(dataSet), dx_(this), x_(x), y_(y) {
    setObjectName("pointStressDialog");
    setWindowTitle(Caption(kind));
    const bool pore = kind != Overburden;
    const bool logged = kind != PoreWater;
    const s_PointStressTexts start;
    auto* layout = new QVBoxLayout(this);

    auto* point = new QGroupBox(kind == EffectiveStress ? "Point" : "Computations", this);
    auto* pointLayout = new QFormLayout(point);
    xEdit_ = NamedEdit(point, "x");
    auto* yEdit = NamedEdit(point, "y");
    // Coordinates and results with the unit words of the current unit system.
    auto withUnit = [](QWidget* parent, QWidget* field, const char* name, Quantity quantity) {
        auto* row = new QHBoxLayout;
        row->addWidget(field, 1);
        auto* unit = new QLabel(QString::fromStdString(UnitName(quantity)), parent);
        unit->setObjectName(QString(name) + "Unit");
        row->addWidget(unit);
        return row;
    };
    pointLayout->addRow("X:", withUnit(point, xEdit_, "x", Quantity::Length));
    pointLayout->addRow("Y:", withUnit(point, yEdit, "y", Quantity::Length));
    layout->addWidget(point);
    dx_.Number(xEdit_, x_);
    dx_.Number(yEdit, y_);

    if (pore) {
        auto* group =
            new QGroupBox(kind == EffectiveStress ? "For pore water pressures" : "Material", this);
        auto* grid = new QGridLayout(group);
        auto* find = new QRadioButton("Find profile line and material", group);
        find->setObjectName("findLineAndMaterial");
        auto* byLine = new QRadioButton("Use profile line number:", group);
        byLine->setObjectName("useProfileLine");
        auto* byMaterial = new QRadioButton("Use material number:", group);
        byMaterial->setObjectName("useMaterial");
        lineEdit_ = NamedEdit(group, "profileLineNumber");
        materialEdit_ = NamedEdit(group, "materialNumber");
        grid->addWidget(find, 0, 0, 1, 2);
        grid->addWidget(byLine, 1, 0);
        grid->addWidget(lineEdit_, 1, 1);
        grid->addWidget(byMaterial, 2, 0);
        grid->addWidget(materialEdit_, 2, 1);
        decimals_ = new QSpinBox(group);
        decimals_->setObjectName("decimals");
        decimals_->setRange(0, 15);
        decimals_->setValue(ClampDecimals(Cpp_KlivenSettings::StressDecimals()));
        grid->addWidget(new QLabel(kind == EffectiveStress ? "Number of decimal places:"
                                                           : "Number of decimals:",
                                   group),
                        3, 0);
        grid->addWidget(decimals_, 3, 1);
        layout->addWidget(group);
        modes_ = {find, byLine, byMaterial};
        dx_.Radio(modes_, mode_);
        dx_.Integer(lineEdit_, lineNumber_);
        dx_.Integer(materialEdit_, materialNumber_);
        for (QAbstractButton* b : modes_)
            connect(b, &QAbstractButton::clicked, this, [this] {
                for (size_t i = 0; i < modes_.size(); ++i)
                    if (modes_[i]->isChecked()) mode_ = static_cast<int>(i);
                ApplyModeRule();
            });
    }

    auto* results = new QGroupBox("Results", this);
    auto* resultsLayout = new QVBoxLayout(results);
    auto addResult = [&](const char* name, const std::string& text,
                         std::optional<Quantity> quantity) {
        auto* label = new QLabel(QString::fromStdString(text), results);
        label->setObjectName(name);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        if (quantity) {
            resultsLayout->addLayout(withUnit(results, label, name, *quantity));
        } else {
            resultsLayout->addWidget(label);
        }
        return label;
    };
    if (kind == EffectiveStress) depth_ = addResult("depthText", start.depth, Quantity::Length);
    if (kind != PoreWater)
        overburden_ = addResult("overburdenText", start.overburden, Quantity::Stress);
    if (pore) pore_ = addResult("poreText", start.pore, Quantity::Stress);
    if (kind == EffectiveStress)
        effective_ = addResult("effectiveText", start.effective, Quantity::Stress);
    if (pore) {
        resultsLayout->addWidget(new QLabel("Pore pressure information:", results));
        information_ = addResult("information", "", std::nullopt);
        information_->setWordWrap(true);
        information_->setMinimumHeight(2 * information_->fontMetrics().lineSpacing());
    }
    layout->addWidget(results);

    if (logged) {
        auto* row = new QHBoxLayout;
        logBox_ = new QCheckBox("Output log of computations", this);
        logBox_->setObjectName("log");
        row->addWidget(logBox_);
        connect(logBox_, &QAbstractButton::clicked, this, &PointStressDialog::LogClicked);
        if (kind == EffectiveStress) {
            tabBox_ = new QCheckBox("Tab delimited", this);
            tabBox_->setObjectName("tabDelimited");
            tabBox_->setEnabled(false);
            row->addWidget(tabBox_);
            dx_.Check(tabBox_, tabDelimited_);
        }
        row->addStretch();
        layout->addLayout(row);
    }

    auto* buttons = new QDialogButtonBox(this);
    auto* compute = buttons->addButton("Compute Now", QDialogButtonBox::ActionRole);
    compute->setObjectName("computeNow");
    auto* finished = buttons->addButton("Finished", QDialogButtonBox::AcceptRole);
    finished->setObjectName("finished");
    finished->setAutoDefault(false);
    compute->setDefault(true);
    connect(compute, &QPushButton::clicked, this, &PointStressDialog::Compute);
    connect(finished, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(buttons);

    dx_.ToWidgets();
    if (pore) ApplyModeRule();
    xEdit_->setFocus();
    xEdit_->selectAll();
}

void PointStressDialog::ApplyModeRule() {
    lineEdit_->setEnabled(mode_ == UseProfileLine);
    materialEdit_->setEnabled(mode_ == UseMaterial);
}

void PointStressDialog::LogClicked() {
    if (logBox_->isChecked() && !log_.IsOpen()) {
        if (log_.Open() == Cpp_StressLog::Cancelled) logBox_->setChecked(false);
    } else if (!logBox_->isChecked()) {
        log_.Close();
    }
    if (tabBox_) tabBox_->setEnabled(logBox_->isChecked());
}

void PointStressDialog::Compute() {
    if (!dx_.FromWidgets()) return;
    const int decimals =
        decimals_ ? decimals_->value() : ClampDecimals(Cpp_KlivenSettings::StressDecimals());
    const s_PointStressResult r =
        ComputePointStresses(dataSet_, x_, y_, kind_ != PoreWater, kind_ != Overburden, mode_,
                             lineNumber_, materialNumber_);
    const s_PointStressTexts texts = PointStressTexts(r, decimals);
    if (depth_) depth_->setText(QString::fromStdString(texts.depth));
    if (overburden_) overburden_->setText(QString::fromStdString(texts.overburden));
    if (pore_) pore_->setText(QString::fromStdString(texts.pore));
    if (effective_) effective_->setText(QString::fromStdString(texts.effective));
    if (information_) information_->setText(QString::fromStdString(r.information));
    if (kind_ == EffectiveStress) log_.WriteEffectiveStressRow(r, tabDelimited_, decimals);
    if (kind_ == Overburden) log_.WriteOverburdenRow(r);
    xEdit_->setFocus();
    xEdit_->selectAll();
}

void PointStressDialog::done(int result) {
    log_.Close();
    QDialog::done(result);
}

void QtPointStressDialogs::RunVerticalEffectiveStress(const Cpp_Kliven4DataSet& dataSet, double x,
                                                      double y) {
    PointStressDialog dialog(PointStressDialog::EffectiveStress, dataSet, x, y, owner_);
    dialog.exec();
}

void QtPointStressDialogs::RunOverburdenPressure(const Cpp_Kliven4DataSet& dataSet, double x,
                                                 double y) {
    PointStressDialog dialog(PointStressDialog::Overburden, dataSet, x, y, owner_);
    dialog.exec();
}

void QtPointStressDialogs::RunPoreWaterPressure(const Cpp_Kliven4DataSet& dataSet) {
    PointStressDialog dialog(PointStressDialog::PoreWater, dataSet, 0.0, 0.0, owner_);
    dialog.exec();
}

}  // namespace dialogs
