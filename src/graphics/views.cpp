#include "graphics/views.h"

#include "core/format_text.h"
#include "core/input_lines.h"
#include "graphics/graphics.h"
#include "platform/services.h"

#include <cmath>
#include <cstdio>
#include <ostream>

namespace {

s_ViewRecordType g_views[kNumberOfViews];

class CancellingSetViewsDialog final : public SetViewsDialogWindow {
public:
    bool Run(s_SetViewsChoice&) override { return false; }
};

bool InRange(int n) { return n >= 1 && n <= kNumberOfViews; }

bool UsableMapping(const s_ViewRecordType& v) {
    for (double d : v.mapping)
        if (!std::isfinite(d)) return false;
    return v.mapping[1] != 0.0 && v.mapping[3] != 0.0;
}

}  // namespace

const s_ViewRecordType* GetView(int n) { return InRange(n) ? &g_views[n - 1] : nullptr; }

bool AssignView(int n) {
    if (!InRange(n)) return false;
    Cpp_Graphics::GetViewRecord(g_views[n - 1]);
    g_views[n - 1].defined = true;
    return true;
}

void ClearViews() {
    for (auto& v : g_views) v.defined = false;
}

void ResetViews() {
    for (auto& v : g_views) v = s_ViewRecordType{};
    SetViewsDialogSlot().Reset();
}

int FirstUndefinedView() {
    for (int i = 0; i < kNumberOfViews; ++i)
        if (!g_views[i].defined) return i + 1;
    return 0;
}

bool GoToView(int n) {
    if (!InRange(n)) return false;
    const s_ViewRecordType& v = g_views[n - 1];
    if (v.defined && UsableMapping(v)) {
        Cpp_Graphics::SetScaleState(v.world[0], v.world[1], v.world[2], v.world[3], v.mapping[0],
                                    v.mapping[1], v.mapping[2], v.mapping[3], v.visible[0],
                                    v.visible[1], v.visible[2], v.visible[3]);
        return true;
    }
    char text[200];
    std::snprintf(text, sizeof text,
                  "View number %1d does not exist.  Do you want to assign the current view as "
                  "view number %1d?",
                  n, n);
    platform::MessageBoxRequest box;
    box.caption = "View";
    box.text = text;
    box.buttons = platform::BoxButtons::YesNo;
    box.icon = platform::BoxIcon::Question;
    box.defaultButton = platform::BoxResult::Yes;
    if (platform::Services().MessageBoxes().Show(box) == platform::BoxResult::Yes) AssignView(n);
    return false;
}

DialogSlot<SetViewsDialogWindow>& SetViewsDialogSlot() {
    static DialogSlot<SetViewsDialogWindow> slot("set views dialog",
                                                 std::make_unique<CancellingSetViewsDialog>());
    return slot;
}

bool SetViewsDialog() {
    s_SetViewsChoice choice;
    choice.view = FirstUndefinedView();
    if (choice.view == 0) choice.view = 1;
    if (!SetViewsDialogSlot().Get().Run(choice)) return false;
    if (choice.clearAll)
        ClearViews();
    else
        AssignView(choice.view);
    return true;
}

void WriteViews(std::ostream& out) {
    int count = 0;
    for (const auto& v : g_views)
        if (v.defined) ++count;
    char buffer[160];
    out << "VIEw data follow -\n";
    std::snprintf(buffer, sizeof buffer, "%1d = Number of views\n", count);
    out << buffer;
    for (int i = 0; i < kNumberOfViews; ++i) {
        const s_ViewRecordType& v = g_views[i];
        if (!v.defined) continue;
        std::snprintf(buffer, sizeof buffer, "%1d = View number\n", i + 1);
        out << buffer;
        for (const double* row : {v.world, v.mapping, v.visible}) {
            out << FormatText("%20.10f %20.10f %20.10f %20.10f\n", row[0], row[1], row[2], row[3]);
        }
    }
}

bool ReadViews(std::FILE* file) {
    s_InputLineType rec;
    rec.maxValues = 0;
    if (!ReadNumberLine(file, rec)) {
        ClearViews();
        return false;
    }
    ClearViews();
    if (rec.numValues != 1) return false;
    const double countValue = rec.values[0];
    if (!(countValue >= 1)) return true;
    const int count = countValue > 1e6 ? 1000000 : static_cast<int>(countValue);
    int number = count;
    bool sound = true;
    for (int g = 0; g < count; ++g) {
        s_InputLineType head;
        head.maxValues = 0;
        if (!ReadNumberLine(file, head)) return false;
        if (head.numValues == 1 && std::fabs(head.values[0]) < 1e9)
            number = static_cast<int>(head.values[0]);
        else
            sound = false;
        s_ViewRecordType* view = InRange(number) ? &g_views[number - 1] : nullptr;
        if (view)
            view->defined = true;
        else
            sound = false;  // read and ignored
        for (int part = 0; part < 3; ++part) {
            s_InputLineType line;
            line.maxValues = 0;
            if (!ReadNumberLine(file, line)) return false;
            if (line.numValues != 4) {
                sound = false;
                continue;
            }
            if (!view) continue;
            double* target = part == 0 ? view->world : part == 1 ? view->mapping : view->visible;
            for (int k = 0; k < 4; ++k) target[k] = line.values[k];
        }
    }
    return sound;
}
