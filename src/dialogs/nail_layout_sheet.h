#pragma once
// "Layout Information for Nails": one page per nail layout slot ("Layout 1" to "Layout 8").
// A page gives the nail type, the vertical layout by one of four options, the horizontal
// spacing, the nail length and inclination, the direction the slope faces and the unit of its
// lengths. A page laid out by both elevations and a spacing cannot be left while the spacing is
// not above 0, and offers the two nearest whole numbers of nails when the spacing fits none.

#include "dialogs/data_exchange.h"
#include "loads/nail_layout.h"

#include <QDialog>
#include <QWidget>

#include <array>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace dialogs {

class CmLengthUnitsList;

class NailLayoutPage final : public QWidget {
    Q_OBJECT
public:
    NailLayoutPage(s_NailLayoutPage& page, const std::vector<std::string>& typeNames,
                   QWidget* parent = nullptr);
    // Reads the page (false at a refused field), then asks what leaving it needs; false keeps
    // the page open.
    bool Leave();
    // Controls to the page record; false at a refused field (an inclination outside 0 to 90
    // included).
    bool Read();

private:
    void ApplyRules();
    void Show() { dx_.ToWidgets(); }

    s_NailLayoutPage& page_;
    DataExchange dx_;
    QComboBox* type_ = nullptr;
    QLineEdit* horizontalSpacing_ = nullptr;
    QCheckBox* sameAsVertical_ = nullptr;
    QComboBox* option_ = nullptr;
    QLineEdit* number_ = nullptr;
    QLineEdit* verticalSpacing_ = nullptr;
    QLineEdit* topY_ = nullptr;
    QLineEdit* topDistance_ = nullptr;
    QLineEdit* bottomY_ = nullptr;
    QLineEdit* bottomDistance_ = nullptr;
    QLineEdit* length_ = nullptr;
    QLineEdit* inclination_ = nullptr;
    QRadioButton* left_ = nullptr;
    QRadioButton* right_ = nullptr;
    CmLengthUnitsList* unit_ = nullptr;
};

class NailLayoutSheet final : public QDialog {
    Q_OBJECT
public:
    NailLayoutSheet(std::array<s_NailLayoutPage, 8>& pages,
                    const std::vector<std::string>& typeNames, QWidget* parent = nullptr);
    QTabWidget* Tabs() const { return tabs_; }
    NailLayoutPage* Page(int i) const { return pages_[static_cast<size_t>(i)]; }
    void accept() override;

private:
    void PageChanging(int index);

    QTabWidget* tabs_ = nullptr;
    std::array<NailLayoutPage*, 8> pages_{};
    int current_ = 0;
    bool returning_ = false;
};

}  // namespace dialogs
