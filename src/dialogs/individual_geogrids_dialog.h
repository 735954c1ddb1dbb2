#pragma once
// "Individual Geogrids": geogrids entered one by one, each a horizontal grid of one type at an
// elevation, from the slope face a given length into the slope. The window finds where the
// elevation meets the slope face (asking which x when it meets it more than once), keeps the
// grids in ascending order of elevation, and stores a selected grid's edited fields when another
// row is chosen.

#include "dialogs/data_exchange.h"
#include "dialogs/input_dialog_base.h"
#include "dialogs/list_box_rows.h"
#include "loads/nail_geogrid_dialogs.h"

#include <vector>

class QLineEdit;

namespace dialogs {

class IndividualGeogridsDialog final : public CmInputDialog1 {
    Q_OBJECT
public:
    explicit IndividualGeogridsDialog(const s_IndividualGeogridsDialogData& data,
                                      QWidget* parent = nullptr);
    const std::vector<Cpp_Geogrid>& Grids() const { return grids_; }
    CmListBox* List() const { return PointList(); }

protected:
    void FocusOnShow() override;

private:
    // The x where the level meets the slope face; false (with the message, or after a cancelled
    // choice) when it meets none.
    bool FaceX(double y, double& x);
    std::vector<CmListBoxValue> Row(const Cpp_Geogrid& grid) const;
    void Load(int n);
    void ClearFields();
    void Add();
    void Delete();
    void DeleteAll();
    void Chosen();

    std::vector<std::string> typeNames_;
    const Cpp_Line* slope_;
    std::vector<Cpp_Geogrid> grids_;
    int selected_ = -1;
    double y_ = 0.0;
    double length_ = 0.0;
    int type_ = 0;
    int face_ = 0;  // 0 left, 1 right
    double xFace_ = 0.0;
    DataExchange dx_;
    QLineEdit* yEdit_ = nullptr;
    bool choosing_ = false;
};

}  // namespace dialogs
