// Every #include in src/ follows the layering (lowest first):
//   platform <- core <- graphics <- registry <- subsystems (profile, porepressure, loads,
//   analysis) <- model (the data set and its whole-problem tables) <- editing
//   <- gui (platform/qt, resources and every ui/ folder) <- gridctrl <- dialogs <- app
//   <- main.cpp
// A file may include its own layer and the layers below it. Two subsystems may use each other
// only one way. A folder the table below does not place is reported too, so a new folder gets
// its place in the order before it grows includes.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace {

enum class e_Layer {
    Platform,
    Core,
    Graphics,
    Registry,
    Subsystem,
    Model,
    Editing,
    Gui,
    GridCtrl,
    Dialogs,
    App,
    Program
};

const char* LayerName(e_Layer layer) {
    static const char* const names[] = {"platform",  "core",    "graphics", "registry",
                                        "subsystem", "model",   "editing",  "gui",
                                        "gridctrl",  "dialogs", "app",      "program"};
    return names[static_cast<int>(layer)];
}

// The layer of a folder below src/ ("" for src/ itself); nothing for a folder not in the order.
std::optional<e_Layer> LayerOf(const std::string& folder) {
    if (folder.empty()) return e_Layer::Program;
    if (folder == "ui" || folder.ends_with("/ui") || folder.find("/ui/") != std::string::npos)
        return e_Layer::Gui;
    const std::string top = folder.substr(0, folder.find('/'));
    if (folder == "platform/qt" || folder.starts_with("platform/qt/")) return e_Layer::Gui;
    static const std::map<std::string, e_Layer> tops = {
        {"platform", e_Layer::Platform}, {"core", e_Layer::Core},
        {"graphics", e_Layer::Graphics}, {"registry", e_Layer::Registry},
        {"profile", e_Layer::Subsystem}, {"porepressure", e_Layer::Subsystem},
        {"loads", e_Layer::Subsystem},   {"analysis", e_Layer::Subsystem},
        {"model", e_Layer::Model},       {"editing", e_Layer::Editing},
        {"gridctrl", e_Layer::GridCtrl}, {"dialogs", e_Layer::Dialogs},
        {"resources", e_Layer::Gui},     {"app", e_Layer::App},
    };
    auto it = tops.find(top);
    if (it == tops.end()) return std::nullopt;
    return it->second;
}

struct Include {
    std::string file;  // the including file, relative to src/
    int line;
    std::string target;  // as written between the quotes
};

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string Describe(const Include& i) {
    return i.file + ":" + std::to_string(i.line) + ": #include \"" + i.target + "\"";
}

// Every include against the order, one line each with the reason.
std::vector<std::string> Violations(const std::vector<Include>& includes) {
    std::vector<std::string> out;
    std::set<std::string> unplaced;
    // Which subsystem folder uses which, with the first include that shows it.
    std::map<std::pair<std::string, std::string>, Include> subsystemUses;
    for (const Include& i : includes) {
        const std::string from = FolderOf(i.file), to = FolderOf(i.target);
        if (to.empty() || from == to) continue;
        const auto fromLayer = LayerOf(from), toLayer = LayerOf(to);
        if (!fromLayer) unplaced.insert(from);
        if (!toLayer) unplaced.insert(to);
        if (!fromLayer || !toLayer) continue;
        if (*toLayer > *fromLayer) {
            out.push_back(Describe(i) + "  (" + LayerName(*fromLayer) + " includes " +
                          LayerName(*toLayer) + ", a higher layer)");
        } else if (*fromLayer == e_Layer::Subsystem && *toLayer == e_Layer::Subsystem) {
            const std::string a = from.substr(0, from.find('/')), b = to.substr(0, to.find('/'));
            if (a != b) subsystemUses.emplace(std::make_pair(a, b), i);
        }
    }
    for (const auto& [uses, include] : subsystemUses) {
        if (uses.first > uses.second) continue;  // each pair once
        auto back = subsystemUses.find({uses.second, uses.first});
        if (back != subsystemUses.end())
            out.push_back(Describe(include) + "  and  " + Describe(back->second) + "  (" +
                          uses.first + " and " + uses.second + " include each other)");
    }
    for (const std::string& folder : unplaced)
        out.push_back("src/" + folder + " has no place in the layering of this test");
    return out;
}

std::vector<Include> ScanSources(const std::filesystem::path& src) {
    static const std::regex include(R"re(^\s*#\s*include\s*"([^"]+)")re");
    std::vector<Include> out;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(src)) {
        const auto ext = entry.path().extension();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
        const std::string file = entry.path().lexically_relative(src).generic_string();
        std::ifstream in(entry.path());
        std::string text;
        int number = 0;
        std::smatch m;
        while (std::getline(in, text)) {
            ++number;
            if (std::regex_search(text, m, include)) out.push_back({file, number, m[1]});
        }
    }
    return out;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& l : lines) text += l + "\n";
    return text;
}

TEST(IncludeLayers, SourceTreeFollowsTheLayers) {
    const auto src = (testsupport::ExamplesDir() / ".." / "src").lexically_normal();
    const std::vector<Include> includes = ScanSources(src);
    ASSERT_GT(includes.size(), 100u) << "no sources found below " << src;
    const std::vector<std::string> violations = Violations(includes);
    EXPECT_TRUE(violations.empty()) << "Includes against the layers:\n" << Joined(violations);
}

// The checker itself: each kind of fault is found, and what the order allows is not.
TEST(IncludeLayers, CheckerFindsEachKindOfFault) {
    struct Case {
        std::vector<Include> includes;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {{{"core/a.cpp", 3, "graphics/graphics.h"}},
         {"core/a.cpp:3: #include \"graphics/graphics.h\"  (core includes graphics, a higher "
          "layer)"}},
        {{{"graphics/b.cpp", 7, "model/data_set.h"}},
         {"graphics/b.cpp:7: #include \"model/data_set.h\"  (graphics includes model, a higher "
          "layer)"}},
        {{{"loads/c.cpp", 2, "dialogs/x.h"}},
         {"loads/c.cpp:2: #include \"dialogs/x.h\"  (subsystem includes dialogs, a higher layer)"}},
        {{{"gridctrl/r.cpp", 8, "dialogs/x.h"}},
         {"gridctrl/r.cpp:8: #include \"dialogs/x.h\"  (gridctrl includes dialogs, a higher "
          "layer)"}},
        {{{"dialogs/s.cpp", 2, "app/main_frame.h"}},
         {"dialogs/s.cpp:2: #include \"app/main_frame.h\"  (dialogs includes app, a higher layer)"}},
        {{{"platform/qt/t.cpp", 5, "gridctrl/grid_ctrl.h"}},
         {"platform/qt/t.cpp:5: #include \"gridctrl/grid_ctrl.h\"  (gui includes gridctrl, a "
          "higher layer)"}},
        {{{"editing/d.cpp", 1, "platform/qt/qt_help.h"}},
         {"editing/d.cpp:1: #include \"platform/qt/qt_help.h\"  (editing includes gui, a higher "
          "layer)"}},
        {{{"registry/e.cpp", 4, "profile/crack.h"}},
         {"registry/e.cpp:4: #include \"profile/crack.h\"  (registry includes subsystem, a higher "
          "layer)"}},
        {{{"analysis/f.cpp", 5, "profile/crack.h"}, {"profile/g.cpp", 6, "analysis/h.h"}},
         {"analysis/f.cpp:5: #include \"profile/crack.h\"  and  profile/g.cpp:6: #include "
          "\"analysis/h.h\"  (analysis and profile include each other)"}},
        {{{"loads/q.cpp", 9, "model/data_set.h"}},
         {"loads/q.cpp:9: #include \"model/data_set.h\"  (subsystem includes model, a higher "
          "layer)"}},
        {{{"wizard/i.cpp", 1, "core/geometry.h"}},
         {"src/wizard has no place in the layering of this test"}},
        // Allowed: downwards, within a folder, one-way between subsystems, gui and app upwards.
        {{{"app/j.cpp", 1, "platform/qt/qt_help.h"},
          {"graphics/ui/k.cpp", 1, "platform/qt/qt_help.h"},
          {"dialogs/u.cpp", 1, "gridctrl/grid_ctrl.h"},
          {"app/v.cpp", 1, "dialogs/x.h"},
          {"loads/l.cpp", 1, "profile/crack.h"},
          {"model/m.cpp", 1, "registry/block_readers.h"},
          {"core/n.cpp", 1, "core/o.h"},
          {"p.cpp", 1, "gtest.h"},
          {"main.cpp", 1, "app/application.h"}},
         {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Violations(c.includes), c.expected) << Describe(c.includes[0]);
}

}  // namespace
