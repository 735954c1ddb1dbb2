#pragma once
// The strength graph window of the material properties window: the nonlinear envelope
// (strength option 7), the two envelopes of the two-stage option (12), or cohesion and friction
// angle against the failure-plane angle (anisotropic option 5), drawn from the points of the
// strength tables in a graph window of the platform. One window at a time: creating a graph
// replaces the window before it (keeping that window's place for the next nonlinear graph).

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/graph_window.h"

// A vertical axis over plotted values from smallest to largest: no range while they differ;
// when all equal v, a range of step from min(v, 0) (0 to v when v is above 0).
platform::GraphAxisInfo VerticalAxis(const std::string& title, double smallest, double largest,
                                     double step);

class MaterialGraphs {
public:
    using Rows = std::vector<std::vector<double>>;
    // The dialog's window: where it is and how to move it (for a graph beside it).
    struct DialogWindow {
        std::function<platform::GraphRect()> rectangle;
        std::function<void(const platform::GraphRect&)> move;
    };

    MaterialGraphs() = default;
    MaterialGraphs(const MaterialGraphs&) = delete;
    MaterialGraphs& operator=(const MaterialGraphs&) = delete;
    ~MaterialGraphs();

    void SetDialogWindow(DialogWindow window) { dialog_ = std::move(window); }
    // Place each new graph window beside the dialog (moving the dialog left the first time).
    void SetBesideDialog(bool beside) { beside_ = beside; }
    // The dialog starts: no window placed beside it, no rectangle kept.
    void Reset();
    // The dialog is set up: a graph made meanwhile is to be raised once the dialog shows.
    void ExpectRaise();

    bool Exists() const { return window_ != nullptr; }
    platform::GraphWindow* Window() const { return window_.get(); }

    // A new window for strength option 5, 7 or 12 (another code makes none).
    void Create(int code);
    // The data of the graph from the rows read from the tables (each row angle or normal stress
    // first). The anisotropic rows are sorted by angle here.
    void UpdateNonlinear(const Rows& rows);
    // An empty list: that envelope is not drawn (at least one has rows).
    void UpdateTwoStage(const Rows& kcOne, const Rows& kcKf);
    void UpdateAnisotropic(Rows rows);
    void Hide();
    // Brings a graph created while the dialog was not yet shown above it, once.
    void RaiseOnce();
    // Keeps the window's rectangle and closes it.
    void Destroy();

private:
    bool RectangleBesideDialog(platform::GraphRect& rect);

    std::unique_ptr<platform::GraphWindow> window_;
    DialogWindow dialog_;
    bool beside_ = false;
    bool placed_ = false;
    bool raised_ = true;
    bool kept_ = false;
    platform::GraphRect keptRect_;
};
