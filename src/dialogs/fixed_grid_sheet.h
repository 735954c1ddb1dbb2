#pragma once
// "Input for Type 2 \"Fixed Grid\" Search with Circles": the page "Grid" (a quadrilateral of
// trial centres, or a straight line of them, with a small picture of which) and the page
// "Radii Information" (the radius criteria).

#include "analysis/analysis_dialogs.h"
#include "dialogs/data_exchange.h"

#include <QDialog>
#include <QLine>
#include <QRect>
#include <QWidget>

#include <vector>

class QCheckBox;
class QTabWidget;

namespace dialogs {

class RadiiPage;

// The picture of the grid page: a square of 7 by 7 cells, or a vertical line of 8 dots.
class GridPicture final : public QWidget {
    Q_OBJECT
public:
    struct Shapes {
        std::vector<QLine> thickLines;  // 2 pixels wide
        std::vector<QLine> thinLines;   // 1 pixel wide
        std::vector<QRect> dots;
    };
    explicit GridPicture(QWidget* parent);
    void SetLine(bool line);
    // What the picture draws in the rectangle r.
    static Shapes ShapesIn(const QRect& r, bool line);
    Shapes Drawn() const { return ShapesIn(rect(), line_); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    bool line_ = false;
};

class GridPage final : public QWidget {
    Q_OBJECT
public:
    GridPage(const s_FixedGridPageType& grid, QWidget* parent);
    const s_FixedGridPageType& Grid() const { return grid_; }
    GridPicture* Picture() const { return picture_; }
    bool ReadForOk() { return dx_.FromWidgets(); }

private:
    // Shows the corner fields for a grid or the end points for a line, and the picture.
    void UpdateControls();

    s_FixedGridPageType grid_;
    DataExchange dx_;
    QCheckBox* line_ = nullptr;
    std::vector<QWidget*> gridFields_;
    std::vector<QWidget*> lineFields_;
    GridPicture* picture_ = nullptr;
};

class CmAnalCompSearchType2CircleInputMain final : public QDialog {
    Q_OBJECT
public:
    CmAnalCompSearchType2CircleInputMain(const s_FixedGridPageType& grid,
                                         const s_RadiusCriteriaType& criteria, QWidget* parent);
    GridPage* Grid() const { return grid_; }
    RadiiPage* Radii() const { return radii_; }
    // Every page is read first; the first refusal brings its page forward and keeps the sheet
    // open with nothing stored.
    void accept() override;

private:
    QTabWidget* tabs_ = nullptr;
    GridPage* grid_ = nullptr;
    RadiiPage* radii_ = nullptr;
};

// The window in FixedGridSearchSheetSlot().
class QtFixedGridSearchSheet final : public FixedGridSearchSheet {
public:
    explicit QtFixedGridSearchSheet(QWidget* owner = nullptr) : owner_(owner) {}
    bool Run(s_FixedGridPageType& grid, s_RadiusCriteriaType& criteria) override;

private:
    QWidget* owner_;
};

}  // namespace dialogs
