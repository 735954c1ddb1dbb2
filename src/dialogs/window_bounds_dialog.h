#pragma once
// The window-bounds dialog ("Window Bounds"): the world window of the drawing as four numbers,
// and whether the x range or the y range is the one to fit.

#include "graphics/graphics.h"

#include <QDialog>

class QButtonGroup;
class QLineEdit;

namespace dialogs {

class WindowBoundsDialog final : public QDialog {
    Q_OBJECT
public:
    // The fields start from a copy of record.
    WindowBoundsDialog(const Cpp_Graphics::WindowBoundsRecord& record, QWidget* parent);
    // The bounds read back from the fields by the last accepted OK.
    const Cpp_Graphics::WindowBoundsRecord& Record() const { return record_; }
    // Reads every field; a field that is no number is refused and the dialog stays open.
    void accept() override;

private:
    // "X range specified" enables the x maximum, "Y range specified" the y maximum.
    void ApplyRangeRule();

    QButtonGroup* range_ = nullptr;
    QLineEdit* xmax_ = nullptr;
    QLineEdit* xmin_ = nullptr;
    QLineEdit* ymax_ = nullptr;
    QLineEdit* ymin_ = nullptr;
    Cpp_Graphics::WindowBoundsRecord record_;
};

// The window in Cpp_Graphics::WindowBoundsDialogSlot(): OK hands the fields back, Cancel leaves
// the record untouched.
class QtWindowBounds final : public Cpp_Graphics::WindowBoundsDialog {
public:
    explicit QtWindowBounds(QWidget* owner = nullptr) : owner_(owner) {}
    bool Run(Cpp_Graphics::WindowBoundsRecord& record) override;

private:
    QWidget* owner_;
};

}  // namespace dialogs
