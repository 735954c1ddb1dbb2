#include "analysis/slices.h"

#include "core/format_text.h"
#include "core/geometry.h"
#include "core/preferences.h"
#include "core/text_formats.h"
#include "graphics/drawing_attributes.h"
#include "loads/line_load.h"
#include "profile/material_properties.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr double kDegrees = 57.29577951308232;
const char kLongSeparator[] = "- - - - - - - - - - - - - - - - - - - - - - - - - - - -";
const char kShortSeparator[] = "- - - - - - - - - - - - - -";

// Bit masks of the rows of a slice's page: properties, loads, geometry, solution.
constexpr unsigned kProperties = 0xFF, kLoads = 0x1F, kGeometry = 0xFF, kSolution = 0x7F;

struct s_SliceFormats {
    std::string angle, coordinate, length, force, unitWeight, stress;
};

bool MakeSliceFormats(s_SliceFormats& f) {
    // The force format takes the angle decimals as well.
    return Cpp_Strings::MakeNumberFormat(1, 1, Cpp_KlivenSettings::AngleDecimals(), f.angle) &&
           Cpp_Strings::MakeNumberFormat(1, 1, Cpp_KlivenSettings::CoordinateDecimals(),
                                         f.coordinate) &&
           Cpp_Strings::MakeNumberFormat(1, 1, Cpp_KlivenSettings::LengthDecimals(), f.length) &&
           Cpp_Strings::MakeNumberFormat(1, 1, Cpp_KlivenSettings::AngleDecimals(), f.force) &&
           Cpp_Strings::MakeNumberFormat(1, 1, Cpp_KlivenSettings::UnitWeightDecimals(),
                                         f.unitWeight) &&
           Cpp_Strings::MakeNumberFormat(1, 1, Cpp_KlivenSettings::StressDecimals(), f.stress);
}

// Rows of one page.
class SlicePage {
public:
    SlicePage(Cpp_NameValueList& table, const s_SliceFormats& f) : table_(table), f_(f) {}
    void Add(const std::string& name, const std::string& format, double value) {
        table_.AddText(name, FormatDynamic(format, value).c_str());
    }
    void Text(const std::string& name, const char* value) { table_.AddText(name, value); }
    void Heading(const char* name) { table_.AddText(name, kLongSeparator); }
    void Separator() { table_.AddText(kShortSeparator, kLongSeparator); }
    const s_SliceFormats& f() const { return f_; }

private:
    Cpp_NameValueList& table_;
    const s_SliceFormats& f_;
};

// Step 3 of the page: cohesion, friction angle and pore pressure.
void StrengthRows(const Cpp_Slice& s, int stages, SlicePage& page) {
    const bool multi = stages != 1;
    for (int k = 1; k <= (multi ? stages : 1); ++k) {
        if (kProperties & 8)
            page.Add(multi ? FormatText("Cohesion (Stage %1d):", k) : "Cohesion:", page.f().stress,
                     s.cohesion[k]);
        if (kProperties & 16)
            page.Add(multi ? FormatText("Friction angle in degrees (Stage %1d):", k)
                           : "Friction angle (degrees):",
                     page.f().angle, s.GetAngleDegrees(k));
        if (kProperties & 32)
            page.Add(multi ? FormatText("Pore water pressure (Stage %1d):", k)
                           : "Pore water pressure:",
                     page.f().stress, s.porePressure[k]);
    }
}

// Step 8 of the page from the bits given (the base page takes 16 to 128 only).
void GeometryRows(const Cpp_Slice& s, unsigned bits, SlicePage& page) {
    const unsigned b = kGeometry & bits;
    const std::string& c = page.f().coordinate;
    if (b & 1) {
        page.Add("X-bottom left:", c, s.bottomLeftX);
        page.Add("Y-bottom left:", c, s.bottomLeftY);
    }
    if (b & 2) {
        page.Add("X-bottom center:", c, s.bottomCenterX);
        page.Add("Y-bottom center:", c, s.bottomCenterY);
    }
    if (b & 4) {
        page.Add("X-bottom right:", c, s.GetBottomRightX());
        page.Add("Y-bottom right:", c, s.GetBottomRightY());
    }
    if (b & 16) page.Add("Width of slice:", page.f().length, s.width);
    if (b & 32) page.Add("Length of slice base:", page.f().length, s.baseLength);
    if (b & 64)
        page.Add("Inclination of slice base (degs.):", page.f().angle,
                 s.baseInclination * kDegrees);
    if (b & 128)
        page.Add("Inclination of top of slice (degs.):", page.f().angle,
                 s.topInclination * kDegrees);
}

// Steps 9 and 10: the solution at the base.
void SolutionRows(const Cpp_Slice& s, const Cpp_MaterialProperties* material, int stages,
                  bool basePage, SlicePage& page) {
    if (!kSolution) return;
    const std::string& stress = page.f().stress;
    const char note[] = "(Effective stress = total stress - pore water presure.)";
    page.Heading("COMPUTED FROM SOLUTION");
    if (stages == 1) {
        if (kSolution & 1)
            page.Add("Normal force on base of slice:", page.f().force, s.normalForceBase[1]);
        if (kSolution & 2) {
            page.Add("Normal stress on base of slice:", stress, s.normalStressBase[1]);
            page.Add("Effective normal stress on base of slice:", stress,
                     s.normalStressBase[1] - s.porePressure[1]);
            page.Text(note, "");
        }
        if (kSolution & 4) page.Add("Shear stress on base of slice:", stress, s.shearStressBase[1]);
    } else {
        for (int k = 1; k <= stages; ++k) {
            if (kSolution & 1)
                page.Add(FormatText("Normal force on base of slice (Stage %1d):", k),
                         page.f().force, s.normalForceBase[k]);
            if (kSolution & 2) {
                page.Add(FormatText("Total normal stress on base of slice (Stage %1d):", k), stress,
                         s.normalStressBase[k]);
                page.Add(FormatText("Effective normal stress on base of slice (Stage %1d):", k),
                         stress, s.normalStressBase[k] - s.porePressure[k]);
                page.Text(note, "");
            }
            if (kSolution & 4)
                page.Add(basePage ? FormatText("Shear stress on base of slice (Stage %1d):", k)
                                  : std::string("Shear stress on base of slice:"),
                         stress, s.shearStressBase[k]);
        }
    }
    if ((kSolution & 64) && stages > 1 && material) {
        const int option = material->GetStrengthOption(2);
        if (option == 11 || option == 12) {
            page.Add("Second stage - Sigma-FC:", stress, s.sigmaFC);
            page.Add("Second stage - Tau-FC:", stress, s.tauFC);
            page.Add("Computed Kc:", "%1.3f", s.computedKc);
            page.Add("Envelope Kf:", "%1.3f", s.envelopeKf);
            page.Add("Strength Kc = 1:", stress, s.strengthKc1);
            page.Add("Strength Kc = Kf:", stress, s.strengthKcKf);
            if (stages == 3) {
                page.Add("Estimated effective stress - Stage 3:", stress, s.effectiveStressStage3);
                page.Add("Est. drained strength for third stage:", stress, s.drainedStrengthStage3);
                page.Add("Est. undrained strength for third stage:", stress,
                         s.undrainedStrengthStage3);
            }
        }
    }
}

// Program-wide switches and scales.
unsigned char g_defaults[Cpp_Slices::kSwitches] = {1, 0, 1, 0, 0, 0, 1, 1, 1, 1};
Cpp_Slices::s_Scale g_scales[6];

// Option records per unit system: the cohesion, stress, crack-force and friction scales.
const s_KindValueType kCohesionOptions[3] = {{1, 125.0}, {1, 20000.0}, {1, 125.0}};
const s_KindValueType kStressOptions[3] = {{1, 125.0}, {1, 20000.0}, {1, 125.0}};
const s_KindValueType kCrackForceOptions[3] = {{4, 0.75}, {4, 0.75}, {4, 0.75}};
const s_KindValueType kFrictionOption = {2, 60.0};

int OptionIndex(int unitSystem) { return unitSystem == 2 ? 1 : unitSystem == 3 ? 2 : 0; }

void ComputeScale(int quantity, const s_KindValueType& option) {
    Cpp_Slices::s_Scale& s = g_scales[quantity];
    s.scale = option.Factor(72, s.largest);
    s.computed = true;
}

void SetLargest(int quantity, double value) {
    g_scales[quantity].largest = value;
    g_scales[quantity].largestSet = true;
}

}  // namespace

double Cpp_Slice::GetAngleDegrees(int k) const { return frictionAngle[k] * kDegrees; }

double Cpp_Slice::EffectiveNormalStress(int k) const {
    const double u = porePressure[k];
    if (u < -1e100 || u > 1e100) throw Exc_BadPorePressure();
    return normalForceBase[k] / baseLength - u;
}

const s_SliceSegment* Cpp_Slice::GetSegment(int segment) const {
    switch (segment) {
    case 0: return &totalStressSegment;
    case 1: return &poreStressSegment;
    case 2: return &effectiveStressSegment;
    default: return nullptr;
    }
}

bool Cpp_Slice::ShowInformation(const Cpp_MaterialProperties* mat, int stages,
                                Cpp_NameValueList& table) const {
    s_SliceFormats f;
    if (!MakeSliceFormats(f)) return false;
    SlicePage page(table, f);
    const bool multi = stages != 1;
    if (kProperties & 1) table.AddInt("Material number (at base of slice):", materialNumber);
    for (int s = 1; s <= stages; ++s) {
        if (kProperties & 2)
            page.Add(multi ? FormatText("Weight (Stage %1d):", s) : "Weight:", f.force, weight[s]);
        if ((kProperties & 4) && !unitWeights.empty()) {
            page.Separator();
            page.Text(multi ? FormatText("Unit weight - Stage %1d (C = const,V = varies):", s)
                            : "Unit weights (C = const,V = varies):",
                      "Unit weights vary as listed below");
            const int stage = s == 1 ? 1 : 2;
            for (const s_SliceUnitWeight& e : unitWeights) {
                std::string value =
                    FormatDynamic(f.unitWeight, stage == 1 ? e.unitWeight1 : e.unitWeight2);
                value +=
                    e.material && e.material->GetUnitWeightOption(stage) == 1 ? " (C)" : " (V)";
                table.AddText(FormatText("Mat'l %1d, Height: %1.2f:", e.materialNumber, e.height),
                              value.c_str());
            }
            page.Separator();
        }
    }
    StrengthRows(*this, stages, page);
    if (kProperties & 64) page.Add("Seismic force:", f.force, seismicForce);
    if ((kProperties & 128) && seismicForce != 0.0)
        page.Add("Seismic force location (y):", f.coordinate, seismicY);

    if (kLoads & 3) {
        page.Heading("DISTRIBUTED LOADS");
        if (kLoads & 1) {
            page.Add("Normal force on top of slice:", f.force, normalForceTop);
            page.Add("Shear force on top of slice:", f.force, shearForceTop);
        }
        if (kLoads & 2) {
            page.Add("Normal force location on top - X:", f.coordinate, normalForceTopX);
            page.Add("Normal force location on top - Y:", f.coordinate, normalForceTopY);
        }
        if (kLoads & 1) {
            if (horizontalForceLeft != 0.0 || verticalForceLeft != 0.0) {
                page.Add("Horizontal force on left:", f.force, horizontalForceLeft);
                page.Add("Vertical force on left:", f.force, verticalForceLeft);
            }
            if (horizontalForceRight != 0.0 || verticalForceRight != 0.0) {
                page.Add("Horizontal force on right:", f.force, horizontalForceRight);
                page.Add("Vertical force on right:", f.force, verticalForceRight);
            }
        }
    }
    if ((kLoads & 4) && (!lineLoads1.empty() || !lineLoads2.empty())) {
        page.Heading("LINE LOADS");
        for (int stage = 1; stage <= (multi ? 2 : 1); ++stage)
            for (const Cpp_LineLoad* load : stage == 1 ? lineLoads1 : lineLoads2) {
                if (!load) continue;
                table.AddText(
                    stage < 2 ? FormatText("Line load no. %1d:", load->number)
                              : FormatText("Line load no. %1d (Stage %1d):", load->number, stage),
                    "");
                page.Add("X-line load:", f.coordinate, load->X());
                page.Add("Y-line load:", f.coordinate, load->Y());
                if (load->option == 1) {
                    page.Add("Horizontal component:", f.force, load->horizontal);
                    page.Add("Vertical component:", f.force, load->vertical);
                } else if (load->option == 2) {
                    page.Add("Magnitude:", f.force, load->resultant);
                    page.Add("Inclination:", f.angle, load->inclination);
                }
            }
    }
    if (kLoads & 24) {
        page.Heading("REINFORCEMENT FORCES");
        page.Add("Total horizontal force:", f.force, reinforcementHorizontal);
        page.Add("Total vertical force:", f.force, reinforcementVertical);
        if (kLoads & 16) {
            page.Add("Horizontal force on left side of slice:", f.force,
                     reinforcementHorizontalLeft);
            page.Add("Vertical force on left side of slice:", f.force, reinforcementVerticalLeft);
            page.Add("Location (y) of force on left side:", f.coordinate, reinforcementYLeft);
            page.Add("Horizontal force on right side of slice:", f.force,
                     reinforcementHorizontalRight);
            page.Add("Vertical force on right side of slice:", f.force, reinforcementVerticalRight);
            page.Add("Location (y) of force on right side:", f.coordinate, reinforcementYRight);
            page.Add("Horizontal force at left side of base:", f.force,
                     reinforcementHorizontalBaseLeft);
            page.Add("Vertical force on left side of base:", f.force,
                     reinforcementVerticalBaseLeft);
            page.Add("Horizontal force at right side of base:", f.force,
                     reinforcementHorizontalBaseRight);
            page.Add("Vertical force on right side of base:", f.force,
                     reinforcementVerticalBaseRight);
        }
    }
    if (kGeometry) {
        page.Heading("COORDINATES AND GEOMETRY");
        GeometryRows(*this, 0xFF, page);
    }
    SolutionRows(*this, mat, stages, false, page);
    if (kSolution & 56) {
        page.Heading("INTERSLICE (SIDE) FORCE INFORMATION");
        for (bool left : {true, false}) {
            const char* side = left ? "left" : "right";
            if (kSolution & 8) {
                page.Add(FormatText("Interslice force on %s:", side), f.force,
                         left ? GetInterSliceForceLeft() : GetInterSliceForceRight());
                page.Add(FormatText("Interslice force inclination on %s:", side), f.angle,
                         (left ? interSliceInclination : GetInterSliceInclinationRight()) *
                             kDegrees);
            }
            if (kSolution & 16)
                page.Add(FormatText("Line of thrust y on %s:", side), f.coordinate,
                         left ? GetLineOfThrustLeft() : GetLineOfThrustRight());
            if (kSolution & 32)
                page.Add(FormatText("Line of thrust fraction on %s:", side), "%1.3f",
                         left ? GetLineOfThrustFractionLeft() : GetLineOfThrustFractionRight());
        }
    }
    return true;
}

bool Cpp_Slice::ShowBaseInformation(const Cpp_MaterialProperties* mat, int stages,
                                    Cpp_NameValueList& table) const {
    s_SliceFormats f;
    if (!MakeSliceFormats(f)) return false;
    SlicePage page(table, f);
    if (kProperties & 1) table.AddInt("Material number for slip surface:", materialNumber);
    StrengthRows(*this, stages, page);
    GeometryRows(*this, 16 | 32 | 64 | 128, page);
    SolutionRows(*this, mat, stages, true, page);
    return true;
}

Cpp_Slices::Cpp_Slices() { std::copy(g_defaults, g_defaults + kSwitches, switches_); }

void Cpp_Slices::SetSlices(std::vector<Cpp_Slice> records) {
    Clear();
    if (records.size() < 2) return;
    records_ = std::move(records);
    for (size_t i = 0; i + 1 < records_.size(); ++i) records_[i].next_ = &records_[i + 1];
    records_.back().next_ = nullptr;
    count_ = static_cast<int>(records_.size()) - 1;
}

void Cpp_Slices::SetCrackWaterForce(int side, double depth, double force, double forceY) {
    crackSide_ = side;
    crackWaterDepth_ = depth;
    crackWaterForce_ = force;
    crackForceY_ = forceY;
}

const Cpp_Slice* Cpp_Slices::GetSlice(int i) const {
    if (i < 1 || i > static_cast<int>(records_.size())) return nullptr;
    return &records_[i - 1];
}

bool Cpp_Slices::ShowSliceInformation(int i, const Cpp_MaterialProperties* material, int stages,
                                      Cpp_NameValueList& table) const {
    if (i < 1 || i > count_) return false;
    return records_[i - 1].ShowInformation(material, stages, table);
}

bool Cpp_Slices::ShowSliceBaseInformation(int i, const Cpp_MaterialProperties* material, int stages,
                                          Cpp_NameValueList& table) const {
    if (i < 1 || i > count_) return false;
    return records_[i - 1].ShowBaseInformation(material, stages, table);
}

bool Cpp_Slices::GetCrackWaterForce(int& side, double& depth, double& force, double& x,
                                    double& y) const {
    side = crackSide_;
    depth = crackWaterDepth_;
    force = crackWaterForce_;
    y = crackForceY_;
    x = 0.0;
    if (count_ > 0) {
        if (side == 1) x = records_[0].bottomLeftX;
        if (side == 2) x = records_[count_ - 1].GetBottomRightX();
    }
    return side > 0;
}

double Cpp_Slices::MaxAbsValue(int entity, int k) const {
    if (entity < 0 || entity > 4) throw Exc_InvalidEntityNumber();
    double largest = 0.0;
    for (int i = 0; i < count_; ++i) {
        const Cpp_Slice& s = records_[i];
        double v = 0.0;
        switch (entity) {
        case 0: v = s.GetStageEntityValue(k); break;
        case 1: v = s.GetEntityValue(k); break;
        case 2: v = s.EffectiveNormalStress(k); break;
        case 3: v = s.GetTableValue(k); break;
        case 4: v = s.frictionAngle[k]; break;
        }
        largest = std::max(largest, std::fabs(v));
    }
    return largest;
}

double Cpp_Slices::GetLowestBottomY() const {
    if (records_.empty()) return 0.0;
    double lowest = records_[0].bottomLeftY;
    if (count_ <= 1) return lowest;
    for (int i = 0; i < count_; ++i) lowest = std::min(lowest, records_[i].GetBottomRightY());
    return lowest;
}

bool Cpp_Slices::HitTestCrackWaterForce(s_PickType& pick) const {
    pick.found = 0;
    if (crackSide_ == 0 || crackWaterForce_ == 0.0 || count_ == 0) return false;
    const double scale = g_scales[0].scale;
    double x0, x1;
    if (crackSide_ == 1) {
        x0 = records_[0].bottomLeftX;
        x1 = x0 - scale * crackWaterForce_;
    } else {
        x0 = records_[count_ - 1].GetBottomRightX();
        x1 = x0 + scale * crackWaterForce_;
    }
    if (pick.x < std::min(x0, x1) || pick.x > std::max(x0, x1)) return false;
    const double dy = pick.y - crackForceY_;
    if (std::fabs(dy) > pick.tolerance) return false;
    pick.found = 1;
    pick.bestDistanceSquared = pick.secondaryDistanceSquared = dy * dy;
    return true;
}

bool Cpp_Slices::HitTestLineOfThrust(s_PickType& pick, int& index) const {
    bool found = false;
    double best = 0.0;
    for (int i = 0; i < count_; ++i) {
        const Cpp_Slice& s = records_[i];
        const double d = PointSegmentDistanceCoords(pick.x, pick.y, s.bottomLeftX, s.thrustY,
                                                    s.GetBottomRightX(), s.GetLineOfThrustRight());
        if (d < pick.tolerance && (!found || d <= best)) {
            found = true;
            best = d;
            index = i + 1;
        }
    }
    if (!found) return false;
    pick.found = 1;
    pick.bestDistanceSquared = pick.secondaryDistanceSquared = best * best;
    return true;
}

bool Cpp_Slices::HitTestSliceItemA(s_PickType& pick, int segment, int& index) const {
    bool found = false;
    for (int i = 0; i < count_; ++i) {
        const s_SliceSegment* g = records_[i].GetSegment(segment);
        if (!g) return false;
        const double d = PointSegmentDistanceCoords(pick.x, pick.y, g->x1, g->y1, g->x2, g->y2);
        if (d < pick.tolerance && (!pick.found || d * d < pick.bestDistanceSquared)) {
            pick.found = 1;
            pick.bestDistanceSquared = pick.secondaryDistanceSquared = d * d;
            index = i + 1;
            found = true;
        }
    }
    return found;
}

bool Cpp_Slices::HitTestSliceItemB(s_PickType& pick, double& px, double& py, int& index) const {
    bool found = false;
    const int n = count_;
    auto baseDistance = [&](int from) {  // base segment from record `from` to from + 1 (0-based)
        const Cpp_Slice& a = records_[from];
        return PointSegmentDistanceCoords(pick.x, pick.y, a.bottomLeftX, a.bottomLeftY,
                                          a.GetBottomRightX(), a.GetBottomRightY());
    };
    for (int i = 0; i < n + 1 && n > 0; ++i) {
        const Cpp_Slice& r = records_[i];
        if (std::fabs(pick.x - r.bottomLeftX) > pick.tolerance ||
            std::fabs(pick.y - r.bottomLeftY) > pick.tolerance)
            continue;
        const double d = (pick.x - r.bottomLeftX) * (pick.x - r.bottomLeftX) +
                         (pick.y - r.bottomLeftY) * (pick.y - r.bottomLeftY);
        double o;
        if (i == 0)
            o = baseDistance(0);
        else if (i == n)
            o = baseDistance(n - 1);
        else
            o = std::min(baseDistance(i - 1), baseDistance(i));
        if (!pick.found || d < pick.bestDistanceSquared ||
            (d == pick.bestDistanceSquared && o * o < pick.secondaryDistanceSquared)) {
            pick.found = 1;
            pick.bestDistanceSquared = d;
            pick.secondaryDistanceSquared = o * o;
            px = r.bottomLeftX;
            py = r.bottomLeftY;
            index = i + 1;
            found = true;
        }
    }
    return found;
}

bool Cpp_Slices::HitTestSliceItemC(s_PickType& pick, int& index) const {
    bool found = false;
    for (int i = 0; i < count_; ++i) {
        const Cpp_Slice& s = records_[i];
        const double d = PointSegmentDistanceCoords(pick.x, pick.y, s.bottomLeftX, s.bottomLeftY,
                                                    s.GetBottomRightX(), s.GetBottomRightY());
        if (d < pick.tolerance && (!pick.found || d * d < pick.bestDistanceSquared)) {
            pick.found = 1;
            pick.bestDistanceSquared = pick.secondaryDistanceSquared = d * d;
            index = i + 1;
            found = true;
        }
    }
    return found;
}

bool Cpp_Slices::FindSliceAtX(double x, double y, int& index) const {
    for (int i = 0; i < count_; ++i) {
        const Cpp_Slice& s = records_[i];
        if (!(s.bottomLeftX < x && x < s.GetBottomRightX())) continue;
        const double dx = x - s.bottomCenterX;
        const double base = s.bottomCenterY + std::tan(s.baseInclination) * dx;
        const double top = s.topCenterY + s.topSlope * dx;
        if (y > std::min(base, top) && y < std::max(base, top)) {
            index = i + 1;
            return true;
        }
    }
    return false;
}

bool Cpp_Slices::HitTestSliceBoundary(s_PickType& pick, int& index) const {
    auto between = [](double v, double a, double b) {
        return v > std::min(a, b) && v < std::max(a, b);
    };
    for (int i = 0; i < count_; ++i) {
        const Cpp_Slice& s = records_[i];
        if (std::fabs(pick.x - s.bottomLeftX) <= pick.tolerance) {
            if (between(pick.y, s.bottomLeftY, s.topCenterY - 0.5 * s.width * s.topSlope)) {
                index = i;
                pick.found = 1;
                return true;
            }
            continue;
        }
        if (std::fabs(pick.x - s.GetBottomRightX()) <= pick.tolerance &&
            between(pick.y, s.GetBottomRightY(), s.topCenterY + 0.5 * s.width * s.topSlope)) {
            index = i + 1;
            pick.found = 1;
            return true;
        }
    }
    return false;
}

void Cpp_Slices::SetDefaultDisplayFlags(const unsigned char (&values)[8]) {
    std::copy(values, values + 8, g_defaults);
}

void Cpp_Slices::LoadDefaultDisplayFlags() { std::copy(g_defaults, g_defaults + 8, switches_); }

void Cpp_Slices::Clear() {
    records_.clear();
    crackSide_ = 0;
    count_ = 0;
}

void Cpp_Slices::SetLargestValueA(double value) { SetLargest(0, value); }
void Cpp_Slices::SetLargestValueF(double value) { SetLargest(1, value); }
void Cpp_Slices::SetLargestValueC(double value) { SetLargest(2, value); }
void Cpp_Slices::SetLargestValueE(double value) { SetLargest(3, value); }
void Cpp_Slices::SetLargestValueB(double value) { SetLargest(4, value); }
void Cpp_Slices::SetLargestValueD(double value) { SetLargest(5, value); }

bool Cpp_Slices::ComputeScaleA(int unitSystem) {
    ComputeScale(4, kCohesionOptions[OptionIndex(unitSystem)]);
    return true;
}

bool Cpp_Slices::ComputeScaleB(int unitSystem) {
    ComputeScale(0, kCrackForceOptions[OptionIndex(unitSystem)]);
    return true;
}

bool Cpp_Slices::ComputeScaleC() {
    ComputeScale(5, kFrictionOption);
    return true;
}

bool Cpp_Slices::ComputeScaleD(int unitSystem) {
    for (int quantity : {1, 2, 3}) ComputeScale(quantity, kStressOptions[OptionIndex(unitSystem)]);
    return true;
}

const Cpp_Slices::s_Scale& Cpp_Slices::Scale(int quantity) {
    return g_scales[std::clamp(quantity, 0, 5)];
}

void Cpp_Slices::ResetProgramWide() {
    const unsigned char start[kSwitches] = {1, 0, 1, 0, 0, 0, 1, 1, 1, 1};
    std::copy(start, start + kSwitches, g_defaults);
    for (s_Scale& s : g_scales) s = s_Scale();
}
