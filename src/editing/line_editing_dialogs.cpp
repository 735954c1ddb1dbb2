#include "editing/line_editing_dialogs.h"

#include <memory>

namespace {

class CancellingDialogs final : public LineEditingDialogs {
public:
    bool EnterLength(double&) override { return false; }
    bool EnterSlope(int&, double&, int&) override { return false; }
    bool EnterMoveDistance(const std::string&, const std::string&, double&) override {
        return false;
    }
    bool EditValue(const std::string&, const s_EditValuePlacement&, double&) override {
        return false;
    }
    bool ProfileSplit(s_ProfileSplitInformation&) override { return false; }
    bool PiezometricSplit(s_PiezometricSplitInformation&) override { return false; }
};

struct s_MoveTexts {
    int kind;
    const char* label;
    const char* message;
};
constexpr s_MoveTexts kMoveTexts[] = {
    {1, "Horizontal distance to move:",
     "Positve value if point is to be moved to the right; negative if point is to be moved to "
     "the left."},
    {2, "Vertical distance to move:",
     "Positve value if point is to be moved up; negative if point is to be moved down."},
    {5, "Horizontal distance from point:",
     "Positve value if point being moved is to the right of the reference point; negative if "
     "point being moved is to the left of the reference point."},
    {6, "Vertical distance from point:",
     "Positve value if point being moved is above the reference point; negative if point being "
     "moved is below the reference point."},
    {7, "Horizontal distance from line:",
     "Positve value if the point being moved is to the right of the line; negative if the point "
     "being moved is to the left of the line."},
    {8, "Vertical distance from line:",
     "Positve value if the point being moved is above the line; negative if the point being "
     "moved is below the line."},
    {9, "Perpendicular distance from line:",
     "Positve value if point being moved is to be above the line (right of line for vertical "
     "line); negative if point being moved is to be below the line (left of line for vertical "
     "line)."},
};

const s_MoveTexts* FindMoveTexts(int kind) {
    for (const s_MoveTexts& t : kMoveTexts)
        if (t.kind == kind) return &t;
    return nullptr;
}

}  // namespace

DialogSlot<LineEditingDialogs>& LineEditingDialogsSlot() {
    static DialogSlot<LineEditingDialogs> slot("line editing dialogs",
                                               std::make_unique<CancellingDialogs>());
    return slot;
}

s_PixelPoint EditValueWindowPosition(const s_EditValuePlacement& p, int width, int height) {
    int x = p.click.x > p.point.x ? p.click.x : p.click.x - width;
    int y = p.click.y > p.point.y ? p.click.y : p.click.y - height;
    if (x < 5) x = 5;
    if (x + width + 5 > p.screenWidth) x = p.screenWidth - width - 5;
    if (y < 5) y = 5;
    if (y + height > p.screenHeight) y = p.screenHeight - height - 5;
    return {x, y};
}

std::string MoveDistanceLabel(int kind) {
    const s_MoveTexts* t = FindMoveTexts(kind);
    return t ? t->label : "Distance:";
}

std::string MoveDistanceMessage(int kind) {
    const s_MoveTexts* t = FindMoveTexts(kind);
    return t ? t->message : "";
}

bool RunMoveDistanceDialog(int kind, double& distance) {
    double value = 1.0;
    if (!LineEditingDialogsSlot().Get().EnterMoveDistance(MoveDistanceLabel(kind),
                                                          MoveDistanceMessage(kind), value))
        return false;
    distance = value;
    return true;
}
