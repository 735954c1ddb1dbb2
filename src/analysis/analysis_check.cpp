// The data check of the analysis/computation data.

#include <cmath>

#include "analysis/analysis_computation_data.h"
#include "analysis/analysis_messages.h"
#include "analysis/number_text.h"
#include "core/data_error_output.h"
#include "core/geometry.h"
#include "core/text_exception.h"
#include "profile/crack.h"
#include "profile/slope_geometry.h"

using E = Cpp_AnalysisDataErrors;

namespace {

// The crack and the water in it: no negative depth or unit weight, and a crack bottom given by
// elevations that does not cross the slope. True when nothing was reported.
bool CheckCrack(const Cpp_Crack& crack, const std::vector<s_tagTypePointXY>& slope) {
    bool ok = true;
    if (crack.GetCrackOption() == 1 && crack.GetCrackConstant() < 0.0) {
        E::Error7220(crack.GetCrackConstant());
        ok = false;
    }
    if (crack.GetCrackOption() == 3) {
        for (const Cpp_CrackPoint* p = crack.CrackPointList().Head(); p; p = p->Next()) {
            if (p->Value() < 0.0) {
                E::Error7220(p->Value());
                ok = false;
            }
        }
    }
    if (crack.GetCrackOption() == 4 && slope.size() >= 2) {
        const double tol =
            1e-8 * std::hypot(slope.back().x - slope.front().x, slope.back().y - slope.front().y);
        for (const Cpp_CrackPoint* p = crack.CrackPointList().Head(); p && p->Next();
             p = p->Next()) {
            const Cpp_PointXY a(p->X(), p->Value()), b(p->Next()->X(), p->Next()->Value());
            for (size_t k = 0; k + 1 < slope.size(); ++k) {
                Cpp_PointXY x;
                if (SegmentsIntersect(a, b, Cpp_PointXY(slope[k]), Cpp_PointXY(slope[k + 1]), tol,
                                      x)) {
                    E::Error7100(x.X(), x.Y());
                    ok = false;
                }
            }
        }
    }
    if (crack.GetWaterOption() == 1 && crack.GetWaterConstant() < 0.0) {
        E::Error7230(crack.GetWaterConstant());
        ok = false;
    }
    if (crack.GetWaterOption() == 3) {
        for (const Cpp_CrackPoint* p = crack.WaterPointList().Head(); p; p = p->Next()) {
            if (p->Value() < 0.0) {
                E::Error7230(p->Value());
                ok = false;
                break;
            }
        }
    }
    if (crack.GetUnitWeightOfWater() < 0.0) {
        E::Error7240(crack.GetUnitWeightOfWater());
        ok = false;
    }
    return ok;
}

}  // namespace

class AnalysisDataCheck {
public:
    explicit AnalysisDataCheck(Cpp_AnalysisComputationData& a) : a_(a) {}
    bool Run(const Cpp_SlopeGeometry* slope, const s_SlopeLinesType& lines, double tolerance,
             std::FILE* errorFile);

private:
    using A = Cpp_AnalysisComputationData;
    void Circles();
    bool InitialRadius(double& r) const;
    void RadiusDefinitions();
    void Noncircular(const s_SlopeLinesType& lines, double tolerance, std::FILE* errorFile);
    void SideForceFunctions(std::FILE* errorFile);
    void Imbalances();
    void Restrictions();
    void Fail() { ok_ = false; }

    Cpp_AnalysisComputationData& a_;
    bool ok_ = true;
};

bool Cpp_AnalysisComputationData::Check(const Cpp_SlopeGeometry* slope,
                                        const s_SlopeLinesType& lines, double tolerance,
                                        std::FILE* errorFile) {
    return AnalysisDataCheck(*this).Run(slope, lines, tolerance, errorFile);
}

bool Cpp_AnalysisComputationData::Check(const Cpp_SlopeGeometry& slope, double tolerance,
                                        std::FILE* errorFile) {
    s_SlopeLinesType lines;
    slope.GetSlopeLine().CopyToXYArray(lines.slope);
    slope.GetCrackBottomLine().CopyToXYArray(lines.crackBottom);
    return Check(&slope, lines, tolerance, errorFile);
}

bool AnalysisDataCheck::Run(const Cpp_SlopeGeometry* slope, const s_SlopeLinesType& lines,
                            double tolerance, std::FILE* errorFile) {
    Cpp_DataErrorOutput::SetErrorFile(errorFile);
    if (!a_.hasData_) return E::Error7250(), false;
    if (a_.circular_) {
        Circles();
        RadiusDefinitions();
        if (a_.subtendedAngle_ <= 0.0 && a_.maximumArcLength_ <= 0.0) {
            E::Error7260(analysis_text::RadiansToDegrees(a_.subtendedAngle_), a_.maximumArcLength_);
            Fail();
        }
    } else {
        Noncircular(lines, tolerance, errorFile);
    }
    if (slope) {
        if (!CheckCrack(a_.crack_, lines.slope)) Fail();
    }
    SideForceFunctions(errorFile);
    Imbalances();
    Restrictions();
    return ok_;
}

bool AnalysisDataCheck::InitialRadius(double& r) const {
    switch (a_.radiusOption_) {
    case 0:
    case 1: return a_.RadiusForCenter(a_.InitialCenter(), r);
    case 2:
        if (a_.tangent_.GetOption() == Cpp_TangentLine::kUndefined) {
            r = 0.0;
            return true;
        }
        return a_.RadiusForCenter(a_.InitialCenter(), r);
    default: return false;
    }
}

void AnalysisDataCheck::Circles() {
    switch (a_.mode_) {
    case A::kNone:
        E::Error7210();
        Fail();
        return;
    case A::kIndividual: {
        // A radius rule that gives no radius (no tangent line) counts as a radius of 0.
        double r = 0.0;
        if (!InitialRadius(r)) r = 0.0;
        if (r <= 0.0) {
            E::Error7050(a_.radiusOption_ == 0 ? a_.radius_ : r);
            Fail();
        }
        return;
    }
    case A::kSearchType1:
    case A::kSearch6:
        if (a_.requiredAccuracy_ <= 0.0) {
            E::Error7060(a_.requiredAccuracy_);
            Fail();
        }
        if (a_.lowestCentreGiven_ && a_.lowestCentre_ > a_.startCentre_.y) {
            E::Error7090(a_.startCentre_.y, a_.lowestCentre_);
            Fail();
        }
        if (a_.mode_ == A::kSearchType1) {
            double r = 0.0;
            if (!InitialRadius(r)) {
                E::Error7040();
                Fail();
            } else if (r <= 0.0) {
                E::Error7030(r);
                Fail();
            }
        }
        return;
    case A::kSearchType2:
        if (a_.grid_.Compare()) {
            // The grid was never entered.
            E::Error7210();
            Fail();
        }
        if (!a_.grid_.Check(Cpp_DataErrorOutput::GetErrorFile())) Fail();
        return;
    case A::kInteractive:
        // Interactive circles are not a mode the computation can run.
        E::Error7040Interactive();
        Fail();
        return;
    default: return;
    }
}

void AnalysisDataCheck::RadiusDefinitions() {
    bool check = a_.mode_ == A::kSearchType2 || a_.mode_ == A::kSearch6;
    if (a_.mode_ == A::kCentreList && a_.radiusOption_ == 3) {
        for (const auto& c : a_.centreList_)
            if (c.Radius() == 0.0) check = true;
    }
    if (!check) return;
    if (a_.radiusDefinitions_.IsEmpty()) {
        E::Error7210();
        Fail();
    }
    if (!a_.radiusDefinitions_.Check()) Fail();
    // A tangent line that cannot give a radius leaves the definition incomplete.
    for (int n = 1; n <= a_.radiusDefinitions_.GetCount(); ++n) {
        const Cpp_RadiusDefinition* d = a_.radiusDefinitions_.GetNth(n);
        if (d->GetOption() != Cpp_RadiusDefinition::kTangentLine) continue;
        const Cpp_TangentLine& t = *d->GetTangentLine();
        if (t.GetOption() == Cpp_TangentLine::kHorizontal) continue;
        if (t.GetOption() == Cpp_TangentLine::kIrregular && t.NumberOfPoints() >= 2) continue;
        E::Error7210();
        Fail();
    }
}

void AnalysisDataCheck::Noncircular(const s_SlopeLinesType& lines, double tolerance,
                                    std::FILE* errorFile) {
    const bool search = a_.mode_ == A::kSearchType1 || a_.mode_ == A::kSearchType2;
    if (!a_.noncircular_.Check(lines, search, tolerance, errorFile)) Fail();
    Cpp_DataErrorOutput::SetErrorFile(errorFile);
    switch (a_.mode_) {
    case A::kNone:
        E::Error7210();
        Fail();
        break;
    case A::kSearchType1:
    case A::kSearchType2:
    case A::kSearch6: {
        if (a_.initialShift_ <= 0.0) {
            E::Error7070(true, a_.initialShift_);
            Fail();
        }
        if (a_.finalShift_ <= 0.0) {
            E::Error7070(false, a_.finalShift_);
            Fail();
        }
        if (a_.finalShift_ > a_.initialShift_) {
            E::Error7160(a_.finalShift_, a_.initialShift_);
            Fail();
        }
        const double steep = a_.maximumSteepnessDegrees_;
        if (steep < 0.0 || steep >= 90.0) {
            E::Error7170(steep);
            Fail();
        } else if (steep < 45.0) {
            E::Error7180(true, steep, 45.0);
        } else if (steep > 60.0) {
            E::Error7180(false, steep, 60.0);
        }
        break;
    }
    default: break;
    }
    if (a_.procedure_ == A::kBishop || a_.procedure_ == A::kOrdinary) {
        E::Error7150();
        Fail();
    }
}

void AnalysisDataCheck::SideForceFunctions(std::FILE* errorFile) {
    const Cpp_SideForceFunctions& f = a_.sideForce_;
    if (a_.procedure_ == A::kChenMorgenstern) {
        if (f.ChenFOption() < 0 || f.ChenGOption() < 0) {
            // Without its functions the procedure cannot be written.
            E::Error7210();
            Fail();
            return;
        }
        if (!f.Check(errorFile)) Fail();
    }
    if (a_.procedure_ == A::kMorgensternPrice && f.PriceFOption() < 0) {
        E::Error7210();
        Fail();
    }
}

void AnalysisDataCheck::Imbalances() {
    switch (a_.forceOption_) {
    case 0:
        if (a_.forceImbalance_ <= 0.0) {
            E::Error7450(true);
            Fail();
        }
        if (a_.minimumWeight_ > 0.0 && a_.forceImbalance_ / 0.001 > a_.minimumWeight_) {
            E::Error7200(a_.minimumWeight_, 0.001);
            Fail();
        }
        break;
    case 1:
        if (a_.forceImbalance_ <= 0.0) {
            E::Error7450(false);
            Fail();
        }
        if (a_.minimumWeight_ <= 0.0) {
            E::Error7470(a_.minimumWeight_);
            Fail();
        }
        break;
    default: throw Cpp_TextException("EXCEPTION: Cpp_AnalysisComputationData::Check");
    }
    switch (a_.momentOption_) {
    case 0:
        if (a_.momentImbalance_ <= 0.0) {
            E::Error7480(true);
            Fail();
        }
        break;
    case 1:
        if (a_.momentImbalance_ <= 0.0 || a_.momentImbalance_ >= 1.0) {
            E::Error7480(false);
            Fail();
        }
        break;
    default: throw Cpp_TextException("EXCEPTION: Cpp_AnalysisComputationData::Check");
    }
}

void AnalysisDataCheck::Restrictions() {
    const auto& entire = a_.restrictions_[A::kAbsoluteEntire];
    if (entire.set && entire.minimum > entire.maximum) {
        E::Error7000(true, entire.minimum, entire.maximum);
        Fail();
    }
    const auto& some = a_.restrictions_[A::kAbsoluteSome];
    if (some.set && some.minimum > some.maximum) {
        E::Error7000(false, some.minimum, some.maximum);
        Fail();
    }
}
