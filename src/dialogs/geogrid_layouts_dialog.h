#pragma once
// "Geo-Grid Layout": stacks of equally spaced geogrid layers, each of one grid type, given by
// the elevation of the lowest layer, the number of layers, the vertical spacing and the lengths
// of the lowest and highest grid, with one direction the slope faces for all of them. Layouts
// are added, changed and deleted one at a time in the list; OK keeps the list and the direction.

#include "dialogs/data_exchange.h"
#include "dialogs/list_box_rows.h"
#include "loads/nail_geogrid_dialogs.h"

#include <QDialog>

namespace dialogs {

class CmListBox;

class GeogridLayoutsDialog final : public QDialog {
    Q_OBJECT
public:
    explicit GeogridLayoutsDialog(const s_GeogridLayoutsDialogData& data,
                                  QWidget* parent = nullptr);
    // The layouts and the direction as the window holds them.
    const s_GeogridLayoutsDialogData& Data() const { return data_; }
    CmListBox* Layouts() const { return list_; }
    void accept() override;

private:
    struct Fields {
        int type = 0;
        double elevation = 0.0;
        int elevationUnit = 0;
        double lowLength = 0.0;
        double highLength = 0.0;
        int lengthUnit = 0;
        double spacing = 0.0;
        int spacingUnit = 0;
        int layers = 0;
    };
    void Load(int n);
    Cpp_GeogridLayout Stored() const;
    std::vector<CmListBoxValue> Row(const Cpp_GeogridLayout& layout) const;
    void Add();
    void Change();
    void Delete();
    void DeleteAll();
    void Chosen();

    s_GeogridLayoutsDialogData data_;
    Fields fields_;
    int selected_ = -1;
    DataExchange dx_;
    CmListBox* list_ = nullptr;
};

}  // namespace dialogs
