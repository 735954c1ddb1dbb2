// Every kind of the kinds table has its information page: a document holding one item of each
// kind, one record per kind made the way the hit tests make it, and the page's title row (or the
// single "Unknown item" row of the kinds without a page, or no row at all for the kinds whose
// page is empty).

#include "editing/selection.h"
#include "editing/selection_kinds.h"

#include "analysis/analysis_computation_data.h"
#include "analysis/fixed_search_grid.h"
#include "analysis/noncircular_shear_surface.h"
#include "analysis/radius_definition.h"
#include "analysis/tangent_line.h"
#include "editing/construction_items.h"
#include "graphics/drawing_attributes.h"
#include "graphics/line.h"
#include "loads/distributed_load_data.h"
#include "loads/line_load.h"
#include "loads/reinforcement_line.h"
#include "model/data_set.h"
#include "porepressure/interpolation_data.h"
#include "porepressure/piezometric_line.h"
#include "porepressure/vertex.h"
#include "profile/crack.h"
#include "profile/material_properties.h"
#include "profile/profile_line.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using Row = std::pair<std::string, std::string>;
using Rows = std::vector<Row>;

Rows RowsOf(const Cpp_Selection& s) {
    Cpp_NameValueList list;
    EXPECT_TRUE(s.GetInformation(list));
    Rows rows;
    for (int i = 0; i < list.Count(); ++i) rows.emplace_back(list.At(i).name, list.At(i).value);
    return rows;
}

// One item of every kind.
struct Document {
    Cpp_Kliven4DataSet ds{1};
    Cpp_ProfileLine* profile = nullptr;
    Cpp_PiezometricLine* water = nullptr;
    Cpp_Line construction;
    Cpp_ConstructionCircle circle;
    Cpp_Line crackBottom;  // the computed crack lines of the slope geometry
    Cpp_DistributedLoadPoint* load = nullptr;
    Cpp_LineLoad lineLoad{1, 4, 5, 1, 10, 20};
    Cpp_ReinforcementLine* reinforcement = nullptr;
    std::map<int, Cpp_InterpolationDataSet*> sets;  // by interpolation kind
    Cpp_CrackPoint* crackPoint = nullptr;

    Document() {
        profile = ds.ProfileLines().CreateLine(2, 1, "clay");
        profile->AddPoint(0, 5);
        profile->AddPoint(10, 5);
        profile->NumberPoints();
        water = ds.PiezometricLines(1)->CreateLine(1, 62.4, "");
        water->AddPoint(0, 3);
        water->AddPoint(10, 4);
        water->NumberPoints();
        construction.SetNumber(1);
        construction.AddPoint(0, 0);
        construction.AddPoint(3, 4);
        construction.NumberPoints();
        circle.Define(1, 2, 1, 3, 0);
        crackBottom.AddPoint(2, 8);
        crackBottom.AddPoint(3, 7);
        crackBottom.NumberPoints();
        ds.SlopeGeometry().GetSlopeLine().AddPoint(0, 10);
        ds.SlopeGeometry().GetSlopeLine().AddPoint(20, 0);
        ds.SlopeGeometry().GetSlopeLine().NumberPoints();
        load = ds.DistributedLoads(1)->AddPoint(1, 10, 100, 5);
        ds.DistributedLoads(1)->AddPoint(5, 10, 200, 5);
        auto bar = std::make_unique<Cpp_ReinforcementLine>(3, "bar", 10, 1);
        bar->AddPoint(0, 6, 50, 0);
        bar->AddPoint(8, 6, 50, 0);
        bar->NumberPoints();
        reinforcement = bar.get();
        ds.ReinforcementLines()->Append(std::move(bar));
        for (int kind : {1, 2, 3, 5, 6}) {
            Cpp_InterpolationDataSet* set = ds.InterpolationData(1)->CreateDataSet(kind, 0);
            set->AppendPoint(0, 0, 0, 1);
            set->AppendPoint(0, 10, 0, 2);
            set->AppendPoint(0, 0, 10, 3);
            set->RebuildVertices();
            sets[kind] = set;
        }
        Cpp_AnalysisComputationData& a = *ds.AnalysisComputationData();
        a.SetCircleCenter(5, 15);
        a.GetFixedSearchGrid().SetCorner(1, 0, 0);
        a.GetRadiusDefinitionList().AddGivenRadius(12);
        a.GetCrack().SetCrackOption(4);
        crackPoint = a.GetCrack().CrackPointList().AddPoint(1, 9);
        a.GetCrack().CrackPointList().AddPoint(2, 8);
        a.GetCrack().WaterPointList().AddPoint(1, 9.5);
        a.GetCrack().WaterPointList().AddPoint(2, 8.5);
    }

    Cpp_AnalysisComputationData& Analysis() { return *ds.AnalysisComputationData(); }

    Cpp_Selection Point(int kind, void* line, void* point) {
        Cpp_Selection s;
        s.SetPointItem(&ds, 1, kind, line, point);
        return s;
    }
    Cpp_Selection Segment(int kind, void* line, void* first) {
        Cpp_Selection s;
        s.SetSegmentItem(&ds, 1, kind, line, first);
        return s;
    }
    Cpp_Selection Values(int kind, const s_SelectionReferences& r, int stage = 1) {
        Cpp_Selection s;
        s.SetFromValues(&ds, stage, kind, r);
        return s;
    }
    // An interpolation item of the set of the interpolation kind: its data set and first vertex.
    Cpp_Selection Interpolation(int kind, int setKind) {
        Cpp_InterpolationDataSet* set = sets.at(setKind);
        s_SelectionReferences r;
        r.ref1 = set;
        r.ref2 = set->GetVertexList().First();
        return Values(kind, r);
    }
};

// The title row of each kind with a page; "" where the page is empty, and the kinds the
// program has no page for give the one "Unknown item" row.
const char* const kUnknown = "????? - Unknown item";

struct s_Case {
    const char* title;
    std::function<Cpp_Selection(Document&)> make;
};

std::map<int, s_Case> Cases() {
    using D = Document;
    auto none = [](int kind) { return [kind](D& d) { return d.Values(kind, {}); }; };
    auto point = [](double x, double y, int index = 0) {
        s_SelectionReferences r;
        r.x = x;
        r.y = y;
        r.index = index;
        return r;
    };
    auto definition = [](D& d, int kind, int pointNumber) {
        s_SelectionReferences r;
        r.number1 = 1;
        r.ref2 = d.Analysis().GetRadiusDefinitionList().GetNth(1);
        r.number3 = pointNumber;
        r.x = 1;
        r.y = 2;
        return d.Values(kind, r);
    };
    auto tangentDefinition = [definition](int kind, int pointNumber) {
        return [definition, kind, pointNumber](D& d) {
            Cpp_RadiusDefinition* def = d.Analysis().GetRadiusDefinitionList().GetNth(1);
            def->SetOption(Cpp_RadiusDefinition::kTangentLine);
            def->GetTangentLine()->ChangeOption(kind == SEL_DEFINITION_HORIZONTAL_TANGENT
                                                    ? Cpp_TangentLine::kHorizontal
                                                    : Cpp_TangentLine::kIrregular);
            def->GetTangentLine()->AddPoint(0, 1);
            def->GetTangentLine()->AddPoint(9, 2);
            return definition(d, kind, pointNumber);
        };
    };
    auto analysis = [point](int kind, int mode, bool circular = true) {
        return [point, kind, mode, circular](D& d) {
            d.Analysis().SetMode(mode);
            d.Analysis().SetCircular(circular);
            if (!circular) {
                d.Analysis().GetNoncircularPointList().AddPoint(0, 10, 0, true, false);
                d.Analysis().GetNoncircularPointList().AddPoint(5, 2, 0, true, false);
            }
            s_SelectionReferences r = point(5, 15, 1);
            if (kind == SEL_GRID_CORNER) r.number1 = 1;
            auto& points = d.Analysis().GetNoncircularPointList().Points();
            if (kind == SEL_NONCIRCULAR_POINT || kind == SEL_SLIP_SURFACE_SEGMENT) {
                r.ref1 = &d.Analysis().GetNoncircularPointList();
                r.ref2 = &points[0];
            }
            if (kind == SEL_TANGENT_SEGMENT) {
                r.ref1 = d.Analysis().GetTangentLine();
                r.index = 0;
            }
            return d.Values(kind, r);
        };
    };
    auto crack = [](int kind) {
        return [kind](D& d) {
            s_SelectionReferences r;
            r.ref1 = d.crackPoint;
            return d.Values(kind, r);
        };
    };
    auto slices = [](int kind) {
        return [kind](D& d) {
            d.Analysis().SetMode(1);
            s_SelectionReferences r;
            r.number1 = 1;
            return d.Values(kind, r);
        };
    };
    auto interpolation = [](int kind, int setKind) {
        return [kind, setKind](D& d) { return d.Interpolation(kind, setKind); };
    };
    return {
        {SEL_PROFILE_POINT_CLIPPED, {"", none(SEL_PROFILE_POINT_CLIPPED)}},
        {SEL_PROFILE_SEGMENT_CLIPPED, {"", none(SEL_PROFILE_SEGMENT_CLIPPED)}},
        {SEL_RESULTS_FACTOR_TEXT, {"Text for Computed Answer", none(SEL_RESULTS_FACTOR_TEXT)}},
        {SEL_PRESCRIBED_RADIUS,
         {"Tip of Constant Radius for Circles",
          [point](D& d) { return d.Values(SEL_PRESCRIBED_RADIUS, point(1, 2)); }}},
        {SEL_CONSTRUCTION_SEGMENT,
         {"Construction Line Segment",
          [](D& d) {
              return d.Segment(SEL_CONSTRUCTION_SEGMENT, &d.construction,
                               d.construction.FirstPoint());
          }}},
        {SEL_CONSTRUCTION_POINT,
         {"Construction Line Point",
          [](D& d) {
              return d.Point(SEL_CONSTRUCTION_POINT, &d.construction, d.construction.FirstPoint());
          }}},
        {SEL_CONSTRUCTION_CIRCLE,
         {"Construction Circle",
          [](D& d) {
              s_SelectionReferences r;
              r.ref2 = &d.circle;
              return d.Values(SEL_CONSTRUCTION_CIRCLE, r);
          }}},
        {SEL_CP_NODE, {"c/p Ratio Interpolation Point", interpolation(SEL_CP_NODE, 5)}},
        {SEL_CP_POINT, {kUnknown, interpolation(SEL_CP_POINT, 5)}},
        {SEL_CP_TRIANGLE,
         {"Triangle for Interpolating c/p Ratios", interpolation(SEL_CP_TRIANGLE, 5)}},
        {SEL_CRACK_WATER_FORCE,
         {"Vector Representing Water Force in Tension Crack", none(SEL_CRACK_WATER_FORCE)}},
        {SEL_CRACK_BOTTOM,
         {"Segment of Line Defining Bottom of Tension Crack",
          [](D& d) { return d.Segment(SEL_CRACK_BOTTOM, nullptr, d.crackBottom.FirstPoint()); }}},
        {SEL_CRACK_POINT,
         {"Point Defining Bottom of Tension Crack",
          [](D& d) {
              s_SelectionReferences r;
              r.ref1 = d.crackBottom.FirstPoint();
              return d.Values(SEL_CRACK_POINT, r);
          }}},
        {SEL_CRACK_WATER_SURFACE,
         {"Line Segment Defining Top Surface of Water in Crack",
          [](D& d) {
              return d.Segment(SEL_CRACK_WATER_SURFACE, nullptr, d.crackBottom.FirstPoint());
          }}},
        {SEL_CRACK_WATER_POINT,
         {"Point Defining Water Surface in Crack",
          [](D& d) {
              s_SelectionReferences r;
              r.ref1 = d.crackBottom.FirstPoint();
              return d.Values(SEL_CRACK_WATER_POINT, r);
          }}},
        {SEL_EARTH_PRESSURE_FORCE,
         {"Vector Representing Computed Earth Pressure Force", none(SEL_EARTH_PRESSURE_FORCE)}},
        {SEL_CRITICAL_CENTRE,
         {"Center of Individual Circular Slip Surface", slices(SEL_CRITICAL_CENTRE)}},
        {SEL_CRITICAL_POINT,
         {"Point on Critical Slip Surface",
          [point](D& d) { return d.Values(SEL_CRITICAL_POINT, point(1, 2, 3)); }}},
        {SEL_CRITICAL_SEGMENT, {"Segment of Critical Slip Surface", slices(SEL_CRITICAL_SEGMENT)}},
        {SEL_LOAD_POINT,
         {"Distributed Load Point",
          [](D& d) {
              Cpp_Selection s;
              s.SetLoadPointItem(&d.ds, 1, SEL_LOAD_POINT, d.load);
              return s;
          }}},
        {SEL_LOAD_SEGMENT,
         {"Distributed Load Interval",
          [](D& d) {
              Cpp_Selection s;
              s.SetDistributedLoadItem(&d.ds, 1, SEL_LOAD_SEGMENT, d.load);
              return s;
          }}},
        {SEL_NORMAL_LOAD_INTERVAL,
         {"Distributed Load Interval - Normal Stress Distribution",
          [](D& d) {
              Cpp_Selection s;
              s.SetDistributedLoadItem(&d.ds, 1, SEL_NORMAL_LOAD_INTERVAL, d.load);
              return s;
          }}},
        {SEL_SHEAR_LOAD_INTERVAL,
         {"Distributed Load Interval - Shear Stress Distribution",
          [](D& d) {
              Cpp_Selection s;
              s.SetDistributedLoadItem(&d.ds, 1, SEL_SHEAR_LOAD_INTERVAL, d.load);
              return s;
          }}},
        {SEL_FIXED_POINT,
         {"Fixed Point for Circles",
          [point](D& d) { return d.Values(SEL_FIXED_POINT, point(1, 2)); }}},
        {SEL_GEOGRID_HEAD, {kUnknown, none(SEL_GEOGRID_HEAD)}},
        {SEL_GEOGRID_END, {kUnknown, none(SEL_GEOGRID_END)}},
        {SEL_GEOGRID_LAYER, {kUnknown, none(SEL_GEOGRID_LAYER)}},
        {44, {kUnknown, none(44)}},
        {SEL_GRID_CORNER,
         {"\"Floating\" Grid Corner Automatic Search with Circles", analysis(SEL_GRID_CORNER, 4)}},
        {SEL_SEARCH_GRID,
         {"\"Fixed\" Grid for Automatic Search with Circles", analysis(SEL_SEARCH_GRID, 4)}},
        {SEL_HORIZONTAL_TANGENT,
         {"Horizontal Tangent Line for Circles",
          [point](D& d) { return d.Values(SEL_HORIZONTAL_TANGENT, point(0, 3)); }}},
        {SEL_CIRCLE_CENTRE,
         {"Center of Initial Trial Slip Circle", analysis(SEL_CIRCLE_CENTRE, 3)}},
        {SEL_NONCIRCULAR_POINT,
         {"Point on Individual Noncircular Slip Surface",
          analysis(SEL_NONCIRCULAR_POINT, 1, false)}},
        {SEL_SLIP_SURFACE_SEGMENT,
         {"Segment of Initial Trial Noncircuklar Slip Surface",
          analysis(SEL_SLIP_SURFACE_SEGMENT, 3, false)}},
        {SEL_VARIABLE_CRACK_POINT,
         {"Point Defining Irregular Crack Depth", crack(SEL_VARIABLE_CRACK_POINT)}},
        {SEL_VARIABLE_CRACK_SEGMENT,
         {"Segment of Line Defining Irregular Crack Depth", crack(SEL_VARIABLE_CRACK_SEGMENT)}},
        {SEL_VARIABLE_WATER_POINT,
         {"Point Defining Irregular Crack Water Depth", crack(SEL_VARIABLE_WATER_POINT)}},
        {SEL_VARIABLE_WATER_SEGMENT,
         {"Segment of Line Defining Irregular Crack Water Depth",
          crack(SEL_VARIABLE_WATER_SEGMENT)}},
        {60, {kUnknown, none(60)}},
        {SEL_LINE_LOAD,
         {"Line Load",
          [](D& d) {
              Cpp_Selection s;
              s.SetLoadPointItem(&d.ds, 1, SEL_LINE_LOAD, &d.lineLoad);
              return s;
          }}},
        {SEL_LINE_LOAD_DRAWN,
         {"Line Load",
          [](D& d) {
              Cpp_Selection s;
              s.SetLoadPointItem(&d.ds, 1, SEL_LINE_LOAD_DRAWN, &d.lineLoad);
              return s;
          }}},
        {SEL_THRUST_LINE, {"Line of Thrust", slices(SEL_THRUST_LINE)}},
        {SEL_MATERIAL_LABEL,
         {"Profile Line Material Number (Label)",
          [](D& d) {
              s_SelectionReferences r;
              r.ref1 = d.profile;
              return d.Values(SEL_MATERIAL_LABEL, r);
          }}},
        {SEL_TABLE_LINES, {"Grid Line in Material Property Table", none(SEL_TABLE_LINES)}},
        {SEL_TABLE_TEXT, {"Material Property Table", none(SEL_TABLE_TEXT)}},
        {SEL_MATERIAL_REGION,
         {"Material region beneath profile line",
          [](D& d) {
              s_SelectionReferences r;
              r.ref1 = d.profile;
              return d.Values(SEL_MATERIAL_REGION, r);
          }}},
        {SEL_NAIL_HEAD, {kUnknown, none(SEL_NAIL_HEAD)}},
        {SEL_NAIL_END, {kUnknown, none(SEL_NAIL_END)}},
        {SEL_NAIL_BAR, {kUnknown, none(SEL_NAIL_BAR)}},
        {SEL_PIEZOMETRIC_POINT,
         {"Piezometric Line Point",
          [](D& d) { return d.Point(SEL_PIEZOMETRIC_POINT, d.water, d.water->FirstPoint()); }}},
        {SEL_PIEZOMETRIC_SEGMENT,
         {"Piezometric Line Segment",
          [](D& d) { return d.Segment(SEL_PIEZOMETRIC_SEGMENT, d.water, d.water->FirstPoint()); }}},
        {SEL_PIEZOMETRIC_LABEL,
         {"Piezometric Line number (label)",
          [](D& d) {
              s_SelectionReferences r;
              r.ref1 = d.water;
              return d.Values(SEL_PIEZOMETRIC_LABEL, r);
          }}},
        {SEL_PROFILE_POINT,
         {"Profile Line Point",
          [](D& d) { return d.Point(SEL_PROFILE_POINT, d.profile, d.profile->FirstPoint()); }}},
        {SEL_PROFILE_SEGMENT,
         {"Profile Line Segment",
          [](D& d) { return d.Segment(SEL_PROFILE_SEGMENT, d.profile, d.profile->FirstPoint()); }}},
        {SEL_PROFILE_LABEL,
         {"Profile Line Number (Label)",
          [](D& d) {
              s_SelectionReferences r;
              r.ref1 = d.profile;
              return d.Values(SEL_PROFILE_LABEL, r);
          }}},
        {SEL_PRESSURE_NODE, {"Pressure Interpolation Point", interpolation(SEL_PRESSURE_NODE, 1)}},
        {SEL_PRESSURE_TRIANGLE,
         {"Triangle for Interpolating Pore Water Pressure Values",
          interpolation(SEL_PRESSURE_TRIANGLE, 1)}},
        {SEL_PRESSURE_POINT,
         {"Pressure Interpolation Point", interpolation(SEL_PRESSURE_POINT, 1)}},
        {SEL_DEFINITION_RADIUS,
         {"Radius for Defining Radii for Search",
          [definition](D& d) { return definition(d, SEL_DEFINITION_RADIUS, 0); }}},
        {SEL_DEFINITION_FIXED_POINT,
         {"Fixed Point for Defining Radii for Search",
          [definition](D& d) {
              d.Analysis().GetRadiusDefinitionList().GetNth(1)->SetFixedPoint(3, 4);
              return definition(d, SEL_DEFINITION_FIXED_POINT, 0);
          }}},
        {SEL_DEFINITION_HORIZONTAL_TANGENT,
         {"Horizontal Tangent for Defining Radii for Search",
          tangentDefinition(SEL_DEFINITION_HORIZONTAL_TANGENT, 0)}},
        {SEL_DEFINITION_TANGENT_POINT,
         {"Point on Inclined or Irregular Tangent for Defining Radii for Search",
          tangentDefinition(SEL_DEFINITION_TANGENT_POINT, 1)}},
        {SEL_DEFINITION_TANGENT_SEGMENT,
         {"Segment of Inclined or Irregular Tangent for Defining Radii for Search",
          tangentDefinition(SEL_DEFINITION_TANGENT_SEGMENT, 1)}},
        {SEL_REINFORCEMENT_POINT,
         {"Point on Reinforcement Line",
          [](D& d) {
              return d.Point(SEL_REINFORCEMENT_POINT, d.reinforcement,
                             d.reinforcement->FirstReinforcementPoint());
          }}},
        {SEL_REINFORCEMENT_INTERVAL,
         {"Reinforcement Line Segment",
          [](D& d) {
              return d.Segment(SEL_REINFORCEMENT_INTERVAL, d.reinforcement,
                               d.reinforcement->FirstReinforcementPoint());
          }}},
        {SEL_LONGITUDINAL_FORCE,
         {"Reinforcement Line Segment - Longitudinal Force Distribution",
          [](D& d) {
              return d.Segment(SEL_LONGITUDINAL_FORCE, d.reinforcement,
                               d.reinforcement->FirstReinforcementPoint());
          }}},
        {SEL_TRANSVERSE_FORCE,
         {"Reinforcement Line Segment - TRansverse Force Distribution",
          [](D& d) {
              return d.Segment(SEL_TRANSVERSE_FORCE, d.reinforcement,
                               d.reinforcement->FirstReinforcementPoint());
          }}},
        {SEL_RSUBU_NODE,
         {"Pore Pressure Coefficient (ru) Interpolation Point", interpolation(SEL_RSUBU_NODE, 2)}},
        {SEL_RSUBU_POINT, {kUnknown, interpolation(SEL_RSUBU_POINT, 2)}},
        {SEL_RSUBU_TRIANGLE,
         {"Triangle for Interpolating Pore Pressure Coefficient (ru) Values",
          interpolation(SEL_RSUBU_TRIANGLE, 2)}},
        {SEL_RESULTS_ITEM, {"", none(SEL_RESULTS_ITEM)}},
        {111, {kUnknown, none(111)}},
        {SEL_SCALE_BAR, {kUnknown, none(SEL_SCALE_BAR)}},
        {SEL_CONTOURS, {"", none(SEL_CONTOURS)}},
        {SEL_SEARCH_TRIANGLES,
         {"Triangle Used to Contour of Factors of Safety", none(SEL_SEARCH_TRIANGLES)}},
        {SEL_TOTAL_STRESS,
         {"Distribution of Total Normal Stress on Slip Surface", slices(SEL_TOTAL_STRESS)}},
        {SEL_PORE_PRESSURE,
         {"Distribution of Pore Water Pressure on Slip Surface", slices(SEL_PORE_PRESSURE)}},
        {SEL_EFFECTIVE_STRESS,
         {"Distribution of Effective Normal Stress on Slip Surface", slices(SEL_EFFECTIVE_STRESS)}},
        {SEL_SLICE, {"Slice number 1", slices(SEL_SLICE)}},
        {SEL_SLICE_BOUNDARY,
         {"Left-most Interslice Boundary - Left End of Slip Surface",
          [](D& d) { return d.Values(SEL_SLICE_BOUNDARY, {}); }}},
        {SEL_SLOPE_POINT,
         {"Slope Geometry Point",
          [](D& d) {
              Cpp_SlopeLine& slope = d.ds.SlopeGeometry().GetSlopeLine();
              return d.Point(SEL_SLOPE_POINT, &slope, slope.FirstPoint());
          }}},
        {SEL_SLOPE_SEGMENT,
         {"Slope Geometry Line Segment",
          [](D& d) {
              Cpp_SlopeLine& slope = d.ds.SlopeGeometry().GetSlopeLine();
              return d.Segment(SEL_SLOPE_SEGMENT, &slope, slope.FirstPoint());
          }}},
        {SEL_STRENGTH_NODE,
         {"Shear Strength (Su) Interpolation Point", interpolation(SEL_STRENGTH_NODE, 3)}},
        {SEL_STRENGTH_POINT,
         {"Undrained Shear Strength Interpolation Point", interpolation(SEL_STRENGTH_POINT, 3)}},
        {SEL_STRENGTH_TRIANGLE,
         {"Triangle for Interpolating Shear Strength (Su) Values",
          interpolation(SEL_STRENGTH_TRIANGLE, 3)}},
        {SEL_TANGENT_POINT,
         {"Point on Irregular Tangent Line for Circles",
          [point](D& d) { return d.Values(SEL_TANGENT_POINT, point(1, 2)); }}},
        {SEL_TANGENT_SEGMENT,
         {"Segment of Irregular Tangent Line for Circles", analysis(SEL_TANGENT_SEGMENT, 3)}},
        {SEL_UNIT_WEIGHT_NODE,
         {"Unit Weight Interpolation Point", interpolation(SEL_UNIT_WEIGHT_NODE, 6)}},
        {SEL_UNIT_WEIGHT_POINT,
         {"Unit Weight Interpolation Point", interpolation(SEL_UNIT_WEIGHT_POINT, 6)}},
        {SEL_UNIT_WEIGHT_TRIANGLE,
         {"Triangle for Interpolating Unit Weights", interpolation(SEL_UNIT_WEIGHT_TRIANGLE, 6)}},
    };
}

TEST(SelectionPagesOfEveryKind, EachKindOfTheTableShowsItsOwnPage) {
    const std::map<int, s_Case> cases = Cases();
    for (const s_SelectionKindRow& row : SelectionKindRows()) {
        SCOPED_TRACE("kind " + std::to_string(row.kind));
        const auto it = cases.find(row.kind);
        // A kind added to the table gets its page here too.
        ASSERT_NE(it, cases.end());
        Document d;
        const Rows rows = RowsOf(it->second.make(d));
        const std::string title = it->second.title;
        if (title.empty()) {
            EXPECT_TRUE(rows.empty());
        } else if (title == kUnknown) {
            EXPECT_EQ(rows, (Rows{{"ITEM SELECTED:", kUnknown}}));
        } else {
            ASSERT_FALSE(rows.empty());
            EXPECT_EQ(rows[0], (Row{"ITEM SELECTED:", title}));
            EXPECT_NE(rows[0].second, kUnknown);
        }
    }
}

// The pages built for the kinds that had none, row by row (the preferences print coordinates
// with 6 decimals, forces with 0, stresses with 1 and angles with 2).
TEST(SelectionPagesOfEveryKind, RowsOfTheNewPages) {
    Document d;
    const std::map<int, s_Case> cases = Cases();
    auto rows = [&](int kind) { return RowsOf(cases.at(kind).make(d)); };

    EXPECT_EQ(rows(SEL_REINFORCEMENT_POINT),
              (Rows{{"ITEM SELECTED:", "Point on Reinforcement Line"},
                    {"Line number:", "3"},
                    {"Point number:", "1"},
                    {"Method of force application:", "To interslice boundaries and slip surface"},
                    {"Maximum  rotation of reinforcement (degrees):", "10.00"},
                    {"X:", "0.000000"},
                    {"Y:", "6.000000"},
                    {"Longitudinal force:", "50"},
                    {"Transverse force:", "0"}}));
    EXPECT_EQ(rows(SEL_STRENGTH_POINT),
              (Rows{{"ITEM SELECTED:", "Undrained Shear Strength Interpolation Point"},
                    {"Material number:", "Used for any material"},
                    {"Point number:", "1"},
                    {"X:", "0.000000"},
                    {"Y:", "0.000000"},
                    {"Undrained shear strength:", "1.0"}}));
    EXPECT_EQ(rows(SEL_PRESSURE_TRIANGLE),
              (Rows{{"ITEM SELECTED:", "Triangle for Interpolating Pore Water Pressure Values"},
                    {"Usage:", "Used to interpolate values in any/all materials"}}));
    EXPECT_EQ(rows(SEL_VARIABLE_CRACK_SEGMENT),
              (Rows{{"ITEM SELECTED:", "Segment of Line Defining Irregular Crack Depth"},
                    {"X:", "1.000000"},
                    {"Elevation (Y):", "9.000000"},
                    {"X:", "2.000000"},
                    {"Elevation (Y):", "8.000000"}}));
    // The water surface has no depth option of its own here.
    EXPECT_EQ(rows(SEL_VARIABLE_WATER_POINT)[2], (Row{"Y (?????"
                                                      "):",
                                                      "9.000000"}));
    EXPECT_EQ(rows(SEL_DEFINITION_TANGENT_SEGMENT),
              (Rows{{"ITEM SELECTED:",
                     "Segment of Inclined or Irregular Tangent for Defining Radii for Search"},
                    {"Radius definition number:", "1"},
                    {"First point - X:", "0.000000"},
                    {"First point - Y:", "1.000000"},
                    {"Second point - X:", "9.000000"},
                    {"Second point - Y:", "2.000000"}}));
    EXPECT_EQ(rows(SEL_CRACK_BOTTOM),
              (Rows{{"ITEM SELECTED:", "Segment of Line Defining Bottom of Tension Crack"},
                    {"First point (pt. 1) - X:", "2.000000"},
                    {"First point (pt. 1) - Y:", "8.000000"},
                    {"Second point (pt. 2) - X:", "3.000000"},
                    {"Second point (pt. 2) - Y:", "7.000000"}}));
    EXPECT_EQ(rows(SEL_SLIP_SURFACE_SEGMENT),
              (Rows{{"ITEM SELECTED:", "Segment of Initial Trial Noncircuklar Slip Surface"},
                    {"First point - Number:", "1"},
                    {"First point - X:", "0.000000"},
                    {"First point - Y:", "10.000000"},
                    {"Second point - Number:", "2"},
                    {"Second point - X:", "5.000000"},
                    {"Second point - Y:", "2.000000"},
                    {"Slope of segment (dy/dx):", "-1.60"},
                    {"Slope of segment (degrees):", "-57.99"}}));
    EXPECT_EQ(rows(SEL_GRID_CORNER),
              (Rows{{"ITEM SELECTED:", "\"Floating\" Grid Corner Automatic Search with Circles"},
                    {"Selected corner number:", "1"},
                    {"Corner 1 - X", "0.000000"},
                    {"Corner 1 - Y", "0.000000"}}));
    // Outside the fixed-grid mode the corner and the grid have an empty page.
    d.Analysis().SetMode(1);
    s_SelectionReferences corner;
    corner.number1 = 1;
    EXPECT_TRUE(RowsOf(d.Values(SEL_GRID_CORNER, corner)).empty());
    EXPECT_TRUE(RowsOf(d.Values(SEL_SEARCH_GRID, {})).empty());
}

TEST(SelectionPagesOfEveryKind, MaterialRegionShowsTheMaterialOfItsLine) {
    Document d;
    s_SelectionReferences r;
    r.ref1 = d.profile;
    const Cpp_Selection region = d.Values(SEL_MATERIAL_REGION, r);
    EXPECT_EQ(RowsOf(region), (Rows{{"ITEM SELECTED:", "Material region beneath profile line"},
                                    {"Material number:", "1"},
                                    {"Profile line number:", "2"}}));
    d.ds.MaterialData().GetMaterialList().Create(1);
    const Rows rows = RowsOf(region);
    ASSERT_GE(rows.size(), 5u);
    EXPECT_EQ(rows[1], (Row{"Material number:", "1"}));
    EXPECT_EQ(rows[2], (Row{"Profile line number:", "2"}));
    EXPECT_EQ(rows[3],
              (Row{"*** Material Properties ***", "***************************************"}));
    EXPECT_EQ(rows[4], (Row{"Stage:", "1"}));
}

}  // namespace
