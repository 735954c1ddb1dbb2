// The crack and the water in the crack in the analysis/computation block: reading (CRA, WAT)
// and writing.

#include <cctype>
#include <ostream>

#include "analysis/analysis_block_reader.h"
#include "analysis/analysis_messages.h"
#include "analysis/analysis_settings.h"
#include "analysis/number_text.h"
#include "core/echo_lines.h"
#include "core/echo_writer.h"

using E = Cpp_AnalysisDataErrors;

bool AnalysisBlockReader::ReadCrackOrWaterDepth(bool isCrack) {
    Cpp_Crack& crack = a_.crack_;
    const int cd = analysis_settings::CoordinateDecimals();
    const int ld = analysis_settings::LengthDecimals();
    s_InputLineType rec;
    if (!Number(rec)) return E::Error6090(), false;
    a_.SetGiven(isCrack ? e_AnalysisGroup::Crack : e_AnalysisGroup::CrackWater);
    const char letter =
        rec.rest.empty() ? '\0'
                         : static_cast<char>(std::toupper(static_cast<unsigned char>(rec.rest[0])));
    auto bad = [&]() {
        const char shown = rec.rest.empty() ? '\0' : rec.rest[0];
        return isCrack ? E::Error6850(shown, rec.text) : E::Error6860(shown, rec.text);
    };
    if (rec.numValues == 1) {
        int option = 1;
        if (!older_) {
            if (letter == 'D')
                option = 1;
            else if (letter == 'E')
                option = 2;
            else
                return bad(), false;
        }
        echo::Blank();
        if (isCrack) {
            crack.SetCrackOption(option);
            crack.SetCrackConstant(rec.values[0]);
            if (option == 1) {
                echo::Value("Depth of crack: ", crack.CrackDepth(0.0), ld);
            } else {
                double y = 0.0;
                if (crack.CrackBottomElevation(0.0, y))
                    echo::Value("Elevation of bottom of crack: ", y, cd);
            }
        } else {
            crack.SetWaterOption(option);
            crack.SetWaterConstant(rec.values[0]);
            if (option == 1) {
                echo::Value("Depth of water (or other fluid) in crack: ", crack.WaterDepth(0.0),
                            ld);
            } else {
                double y = 0.0;
                if (crack.WaterSurfaceElevation(0.0, y))
                    echo::Value("Elevation of water (or other fluid) in crack: ", y, ld);
            }
        }
        return true;
    }
    int option = 0;
    if (letter == 'D')
        option = 3;
    else if (letter == 'E')
        option = 4;
    else
        return bad(), false;
    Cpp_CrackPointList& list = isCrack ? crack.CrackPointList() : crack.WaterPointList();
    list.DeleteAllPoints();
    if (isCrack)
        crack.SetCrackOption(option);
    else
        crack.SetWaterOption(option);
    const char* heading =
        isCrack
            ? (option == 3 ? "Depth of crack varies as follows -     X       Depth"
                           : "Elevation of crack varies as follows -     X       Elevation")
            : (option == 3
                   ? "Depth of water (or other fluid) in crack varies as follows -     X       Depth"
                   : "Elevation of water (or other fluid) surface in crack varies as follows -     X       Elevation");
    const int blanks = isCrack ? (option == 3 ? 32 : 38) : (option == 3 ? 42 : 48);
    if (echo_) {
        echo::Line(heading);
        echo::Blank();
    }
    while (true) {
        s_InputLineType p;
        if (!Number(p)) return E::Error6240(), false;
        if (p.blankLine) break;
        if (p.numValues == 0) return E::Error6570(p.text), false;
        if (p.numValues == 1) return E::Error6690(p.numValues, p.text), false;
        for (int i = 0; i + 1 < p.numValues; i += 2) {
            list.AddPoint(p.values[i], p.values[i + 1]);
            PrintSpaces(blanks);
            PrintDouble(p.values[i], 10, cd);
            PrintDouble(p.values[i + 1], 10, ld, true);
        }
        if (p.numValues % 2 != 0) return E::Error6940(p.numValues, p.text), false;
    }
    list.Renumber();
    return true;
}

void Cpp_AnalysisComputationData::WriteCrack(std::ostream& out) const {
    using analysis_text::DecimalsToKeep;
    using analysis_text::Exact;
    using analysis_text::Fixed;
    const int cd = analysis_settings::CoordinateDecimals();
    const int ld = analysis_settings::LengthDecimals();
    auto points = [&](const Cpp_CrackPointList& list) {
        for (const Cpp_CrackPoint* p = list.Head(); p; p = p->Next())
            out << "          " << Fixed(p->X(), 15, DecimalsToKeep(p->X(), cd)) << "     "
                << Fixed(p->Value(), 15, DecimalsToKeep(p->Value(), ld)) << "\n";
        out << "\n";
    };
    auto write = [&](const char* heading, int option, double constant,
                     const Cpp_CrackPointList& list, int elevationDecimals) {
        if (option < 1 || option > 4) return;
        out << "     " << heading << "\n";
        switch (option) {
        case 1: out << "          " << Exact(constant, ld) << "     Depth\n"; break;
        case 2:
            out << "          " << Exact(constant, elevationDecimals) << "     Elevation\n";
            break;
        case 3:
            out << "          Depth\n";
            points(list);
            break;
        case 4:
            out << "          Elevation\n";
            points(list);
            break;
        }
    };
    write("CRAck depth information follows:", crack_.GetCrackOption(), crack_.GetCrackConstant(),
          crack_.CrackPointList(), ld);
    write("WATer depth information follows:", crack_.GetWaterOption(), crack_.GetWaterConstant(),
          crack_.WaterPointList(), cd);
    if (crack_.GetUnitWeightOfWater() != analysis_settings::UnitWeightOfWater())
        out << "     UNIt weight of water in crack follows:\n"
            << "          "
            << Exact(crack_.GetUnitWeightOfWater(), analysis_settings::UnitWeightDecimals())
            << "\n";
}
