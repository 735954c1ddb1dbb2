#include "loads/load_drawing_support.h"

#include "core/text_formats.h"
#include "graphics/graphics.h"
#include "platform/services.h"

#include <cstdio>

namespace loads {

bool DrawsOnCurrentOutput() {
    const int mode = Cpp_Graphics::OutputMode();
    return mode == Cpp_Graphics::kOutputScreen || mode == Cpp_Graphics::kOutputPrinter;
}

std::string FixedFormat(int decimals, const char* fallback) {
    std::string format;
    if (decimals < 0 || !Cpp_Strings::MakeNumberFormat(1, 1, decimals, format) || format.empty())
        return fallback;
    return format;
}

std::string FormatValue(const std::string& format, double value) {
    return platform::FormatNumber(format, value);
}

std::string FillTemplate(const char* text, const std::vector<std::string>& arguments) {
    std::string out;
    std::size_t next = 0;
    for (const char* p = text; *p; ++p) {
        if (p[0] == '%' && p[1] == 's') {
            if (next < arguments.size()) out += arguments[next];
            ++next;
            ++p;
        } else {
            out += *p;
        }
    }
    return out;
}

s_KindValueType& s_ArrowScaleState::Record(int unitSystem) {
    return records[unitSystem == 2 ? 1 : unitSystem == 3 ? 2 : 0];
}

void s_ArrowScaleState::Compute(int unitSystem) {
    scale = Record(unitSystem).Factor(72, largestSet ? largest : 0.0);
    scaleSet = true;
}

double s_ArrowScaleState::Apply(double value) const {
    if (!largestSet) throw Cpp_Graphics::Exc_LargestValueNotSet();
    if (!scaleSet) throw Cpp_Graphics::Exc_ScaleFactorNotSet();
    return value * scale;
}

namespace {

s_ArrowScaleState Initial(s_KindValueType english, s_KindValueType si, s_KindValueType other) {
    s_ArrowScaleState s;
    s.records[0] = english;
    s.records[1] = si;
    s.records[2] = other;
    return s;
}

s_ArrowScaleState g_distributed = Initial({1, 62.4}, {1, 9800.0}, {1, 9.8});
s_ArrowScaleState g_lineLoads = Initial({2, 3000.0}, {2, 3000.0}, {2, 3000.0});
s_ArrowScaleState g_reinforcement = Initial({4, 0.5}, {5, 1.0}, {4, 0.5});

}  // namespace

s_ArrowScaleState& DistributedLoadScale() { return g_distributed; }
s_ArrowScaleState& LineLoadScale() { return g_lineLoads; }
s_ArrowScaleState& ReinforcementForceScale() { return g_reinforcement; }

void ResetLoadScales() {
    g_distributed = Initial({1, 62.4}, {1, 9800.0}, {1, 9.8});
    g_lineLoads = Initial({2, 3000.0}, {2, 3000.0}, {2, 3000.0});
    g_reinforcement = Initial({4, 0.5}, {5, 1.0}, {4, 0.5});
}

namespace {

class CancellingLoadScaling final : public platform::LoadScalingService {
public:
    std::optional<platform::LoadScaling> GetLoadScaling(int, const std::string&,
                                                        const platform::LoadScaling&) override {
        return std::nullopt;
    }
};

}  // namespace

DialogSlot<platform::LoadScalingService>& LoadScalingDialogSlot() {
    static DialogSlot<platform::LoadScalingService> slot("load scaling dialog",
                                                         std::make_unique<CancellingLoadScaling>());
    return slot;
}

bool EditScaleRecord(int type, const std::string& title, s_KindValueType& record) {
    const auto choice = LoadScalingDialogSlot().Get().GetLoadScaling(
        type, title, platform::LoadScaling{record.kind, record.value});
    if (!choice) return false;
    record.kind = choice->option;
    record.value = choice->factor;
    return true;
}

void ExchangeRecord(const std::string& section, const std::string& key, s_KindValueType& record,
                    bool read) {
    platform::ProfileService& profile = platform::Services().Profile();
    if (!read) {
        profile.SetString(section, key, record.Format());
        return;
    }
    if (const auto text = profile.GetString(section, key)) {
        s_KindValueType r = record;
        if (r.Parse(*text)) record = r;
    }
}

void ExchangeFlag(const std::string& section, const std::string& key, bool& flag, bool read) {
    platform::ProfileService& profile = platform::Services().Profile();
    if (!read) {
        profile.SetInt(section, key, flag ? 1 : 0);
        return;
    }
    if (const auto v = profile.GetInt(section, key)) flag = *v != 0;
}

void DrawWorldPolyline(platform::DeviceContext& dc, const std::vector<double>& xs,
                       const std::vector<double>& ys) {
    for (const auto& run : Cpp_Graphics::WorldPolylineToPixels(xs, ys))
        if (run.size() >= 2) dc.Polyline(run);
}

}  // namespace loads
