#pragma once
// The optional modeless summary window: a tree of texts that the selection and the delete
// commands keep in step with the selected item. The main frame's holder owns the window; no
// command of the program opens one, so while none exists the queries answer false and the
// clearing does nothing.
//
//     if (UpdateSummaryWindow(item)) ...;   ClearSummaryWindow();

class Cpp_Selection;

// What the holder's window offers to the selection code.
class SummaryTreeWindow {
public:
    virtual ~SummaryTreeWindow() = default;
    virtual bool IsVisible() const = 0;
    // Empties the tree, whatever its expansion state.
    virtual void ClearTree() = 0;
};

// The window in use, or none (the holder sets it and takes it back).
void SetSummaryWindow(SummaryTreeWindow* window);
SummaryTreeWindow* GetSummaryWindow();

// Empties the window's tree when the window exists; false when there is none.
bool ClearSummaryWindow();
// The window exists and is visible.
bool IsSummaryWindowVisible();
// After the selected item changed: when the window is visible its tree is emptied and the
// answer is true; otherwise false.
bool UpdateSummaryWindow(const Cpp_Selection& item);

// Owns the summary window for the main frame: clears the program's reference when made, and
// destroys the window, if one was ever made, when the frame goes.
class CSummaryWindowHolder {
public:
    CSummaryWindowHolder();
    ~CSummaryWindowHolder();
    CSummaryWindowHolder(const CSummaryWindowHolder&) = delete;
    CSummaryWindowHolder& operator=(const CSummaryWindowHolder&) = delete;

private:
    SummaryTreeWindow* window_ = nullptr;
};
