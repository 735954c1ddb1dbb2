#include "core/summary_window.h"

namespace {
SummaryTreeWindow* g_window = nullptr;
}

void SetSummaryWindow(SummaryTreeWindow* window) { g_window = window; }

SummaryTreeWindow* GetSummaryWindow() { return g_window; }

bool ClearSummaryWindow() {
    if (!g_window) return false;
    g_window->ClearTree();
    return true;
}

bool IsSummaryWindowVisible() { return g_window && g_window->IsVisible(); }

bool UpdateSummaryWindow(const Cpp_Selection&) {
    if (!IsSummaryWindowVisible()) return false;
    g_window->ClearTree();
    return true;
}

CSummaryWindowHolder::CSummaryWindowHolder() { SetSummaryWindow(nullptr); }

CSummaryWindowHolder::~CSummaryWindowHolder() {
    g_window = nullptr;
    delete window_;
}
