#include "dialogs/rescale_dialog.h"

#include "dialogs/dialog_messages.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace dialogs {

RescaleCoordinatesDialog::RescaleCoordinatesDialog(const s_RescaleValues& values, QWidget* parent)
    : QDialog(parent), values_(values), dx_(this) {
    setObjectName("rescaleCoordinatesDialog");
    setWindowTitle("Rescale coordinates");
    auto* layout = new QVBoxLayout(this);
    auto* groups = new QHBoxLayout;
    auto group = [&](const char* title, const char* suffix, s_tagTypePointXY& newPoint,
                     s_tagTypePointXY& oldPoint) {
        auto* box = new QGroupBox(title, this);
        auto* form = new QFormLayout(box);
        auto edit = [&](const char* label, const std::string& name, double& value, bool enabled) {
            auto* e = new QLineEdit(box);
            e->setObjectName(QString::fromStdString(name + suffix));
            e->setEnabled(enabled);
            form->addRow(label, e);
            dx_.Number(e, value);
            return e;
        };
        edit("New X:", "newX", newPoint.x, values_.rescaleX);
        edit("New Y:", "newY", newPoint.y, values_.rescaleY);
        edit("Old X:", "oldX", oldPoint.x, false);
        edit("Old Y:", "oldY", oldPoint.y, false);
        groups->addWidget(box);
    };
    group("First Point Selected", "1", values_.new1, values_.old1);
    group("Second Point Selected", "2", values_.new2, values_.old2);
    layout->addLayout(groups);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    dx_.ToWidgets();
    focus_ = Edit(values_.rescaleX ? "newX1" : "newY1");
}

QLineEdit* RescaleCoordinatesDialog::Edit(const char* name) const {
    return findChild<QLineEdit*>(name);
}

void RescaleCoordinatesDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    focus_->setFocus();
    focus_->selectAll();
}

void RescaleCoordinatesDialog::accept() {
    const s_RescaleValues before = values_;
    if (!dx_.FromWidgets()) {
        values_ = before;
        return;
    }
    s_RescaleValues& v = values_;
    bool allXOne = false;
    if (v.rescaleX && v.old1.x != v.old2.x && v.new1.x == v.new2.x) {
        if (!AskDialogOkCancel(this, "Notice",
                               "Both X values are the same - all X-Coordinates will be set to "
                               "one value.  Is this the intent?"))
            return;
        allXOne = true;
    }
    if (v.rescaleY && v.old1.y != v.old2.y && v.new1.y == v.new2.y) {
        if (allXOne) {
            ShowDialogError(this, "Error",
                            "Both X values and both Y values are the same; cannot re-scale.");
            return;
        }
        if (!AskDialogOkCancel(this, "Notice",
                               "Both Y values are the same - all Y-Coordinates will be set to "
                               "one value.  Is this the intent?"))
            return;
    }
    const std::string problem = RescaleValuesProblem(v);
    if (!problem.empty()) {
        ShowDialogError(this, "Error", problem);
        return;
    }
    QDialog::accept();
}

bool QtRescaleDialog::Run(s_RescaleValues& values) {
    RescaleCoordinatesDialog dialog(values, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    values = dialog.Values();
    return true;
}

}  // namespace dialogs
