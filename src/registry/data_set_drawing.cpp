#include "registry/data_set_drawing.h"

#include "core/echo_writer.h"
#include "core/text_exception.h"
#include "graphics/graphics.h"
#include "graphics/label_areas.h"

#include <algorithm>
#include <exception>

std::vector<std::string> Cpp_DataSetDrawing::reported_;

std::vector<Cpp_DataSetDrawing::Entry>& Cpp_DataSetDrawing::Entries() {
    static std::vector<Entry> entries;
    return entries;
}

void Cpp_DataSetDrawing::Register(e_DrawLayer layer, const char* name, DrawLayerFunction function) {
    if (!function) return;
    auto& entries = Entries();
    for (const Entry& e : entries)
        if (e.layer == layer && e.function == function) return;
    // Stable by layer: after the last entry of the same or an earlier layer.
    auto it = std::find_if(entries.begin(), entries.end(), [layer](const Entry& e) {
        return static_cast<int>(e.layer) > static_cast<int>(layer);
    });
    entries.insert(it, Entry{layer, name ? name : "drawing", function});
}

void Cpp_DataSetDrawing::ResetRegistry() {
    Entries().clear();
    reported_.clear();
}

void Cpp_DataSetDrawing::Report(const char* name, const std::string& what) {
    const std::string key = name;
    if (std::find(reported_.begin(), reported_.end(), key) != reported_.end()) return;
    reported_.push_back(key);
    try {
        PrintText("Drawing of " + key + " skipped: " + what, true);
    } catch (...) {}
}

bool Cpp_DataSetDrawing::Draw(Cpp_Kliven4DataSet& dataSet, double lowestVisibleY, bool clip,
                              int left, int top, int right, int bottom) {
    platform::DeviceContext* dc = Cpp_Graphics::GetCurrentDC();
    if (!dc) return true;
    s_DrawContextType context{dc, lowestVisibleY, clip, {left, top, right, bottom}};
    if (clip) dc->SetClipRect(context.rect);
    const std::vector<Entry> entries = Entries();  // a layer may register while drawing
    label_areas::Clear();
    bool clippedAgain = false;
    for (const Entry& e : entries) {
        if (clip && !clippedAgain &&
            static_cast<int>(e.layer) >= static_cast<int>(e_DrawLayer::MaterialNumbers)) {
            dc->SetClipRect(context.rect);
            clippedAgain = true;
        }
        dc->Save();
        try {
            e.function(dataSet, context);
        } catch (const Cpp_TextException& ex) {
            Report(e.name, ex.Text());
        } catch (const std::exception& ex) {
            Report(e.name, ex.what());
        } catch (...) {
            Report(e.name, "inconsistent data");
        }
        dc->Restore();
    }
    return true;
}
