// The nail and geogrid windows and the generation of reinforcement lines from nails and
// geogrids: the items of Data > "Nails and Geogrids" (app/main_menu.cpp).

#include "app/commands/command_table.h"
#include "app/draw_view.h"
#include "app/main_frame.h"
#include "core/dialog_slot.h"
#include "graphics/graphics.h"
#include "loads/geogrid_data.h"
#include "loads/nail_data.h"
#include "loads/nail_geogrid_dialogs.h"
#include "model/data_sets.h"
#include "model/reinforcement_generation.h"

#include <functional>
#include <string>

namespace app {

namespace {

Cpp_Kliven4DataSet& DataSet() { return *Cpp_Kliven4Data::CurrentDataSet(); }

// A window over the current data set's nails or geogrids: after OK the view redraws and the
// document is modified.
CommandTable::Handler Edit(std::function<bool()> open) {
    return [open](MainFrame& frame) {
        if (!RunDialogCommand(NailGeogridDialogsSlot(), open)) return;
        frame.Redraw();
        frame.Doc().SetModifiedFlag();
    };
}

// A generation: the arrow scales follow the new forces.
CommandTable::Handler Generate(bool (*generate)(Cpp_Kliven4DataSet&, WindowHandle)) {
    return [generate](MainFrame& frame) {
        if (!generate(DataSet(), &frame)) return;
        RefreshLargestValues();
        Cpp_Graphics::InvalidateScale();
        frame.Redraw();
        frame.Doc().SetModifiedFlag();
    };
}

}  // namespace

void AddReinforcementCommands(CommandTable& table) {
    table.Add(ID_DEFINE_NAIL_PROPERTIES,
              Edit([] { return DataSet().SoilNails()->EditProperties(); }));
    table.Add(ID_NAIL_LAYOUTS, Edit([] { return DataSet().SoilNails()->ShowLayoutInformation(); }));
    table.Add(ID_DEFINE_GEOGRID_PROPERTIES,
              Edit([] { return DataSet().Geogrids()->EditProperties(); }));
    table.Add(ID_GEOGRID_LAYOUTS, Edit([] { return DataSet().Geogrids()->EditLayouts(); }));
    table.Add(ID_INDIVIDUAL_GEOGRIDS, Edit([] {
                  Cpp_Kliven4DataSet& ds = DataSet();
                  return ds.Geogrids()->EditIndividualGeogrids(ds.SlopeGeometry().GetSlopeLine());
              }));
    table.Add(ID_GENERATE_NAIL_REINFORCEMENT, Generate(GenerateNailReinforcement));
    table.Add(ID_GENERATE_GEOGRID_REINFORCEMENT, Generate(GenerateGeogridReinforcement));
    // "Individuall Nails" has nothing behind it.
    table.Add(ID_INDIVIDUAL_NAILS, DoNothing);
}

}  // namespace app
