#include "graphics/prompts.h"

#include "core/string_table.h"
#include "platform/services.h"

#include <cstdio>

namespace {

PromptBarSink g_promptSink;
std::string g_statusText;
int g_statusId = -1;
std::string g_toolTip;
int g_toolTipId = -1;

void ToFrame(bool view) {
    if (view) platform::Services().StatusLine().SetText(g_statusText);
}

}  // namespace

void SetPromptBarSink(PromptBarSink sink) { g_promptSink = std::move(sink); }

void ShowPrompt(const std::string& text) {
    if (g_promptSink) g_promptSink(text, true);
}

void ShowPromptResource(int number) {
    if (auto text = LoadStringText(number)) ShowPrompt(*text);
}

void ClearPromptBar() {
    if (g_promptSink) g_promptSink("", false);
}

void SetStatusTextFromId(bool view, int number) {
    g_statusId = -1;
    auto text = LoadStringText(number);
    if (!text) return;
    g_statusId = number;
    g_statusText = *text;
    ToFrame(view);
}

void SetStatusTextWithSuffix(bool view, int number, const std::string& text) {
    g_statusId = -1;
    auto resource = LoadStringText(number);
    if (!resource) return;
    g_statusId = number;
    g_statusText = text.empty() ? *resource : text + " - " + *resource;
    ToFrame(view);
}

void SetStatusText(bool view, const std::string& text) {
    g_statusText = text;
    g_statusId = -1;
    ToFrame(view);
}

std::string GetStatusText() { return g_statusText; }
int GetStatusTextId() { return g_statusId; }

void SetToolPrompt(bool view, int editMode, const s_ToolPromptContext& c) {
    switch (editMode) {
    case 1:
        if (!c.itemPicked) {
            SetStatusTextFromId(view, 1308);
        } else if (c.pickedType == 8 || c.pickedType == 80 || c.pickedType == 86 ||
                   c.pickedType == 100) {
            SetStatusText(view, c.pickedPrompt + " - Right-click for edit options.");
        } else if (c.pickedType == 9 || c.pickedType == 78 || c.pickedType == 84 ||
                   c.pickedType == 98) {
            SetStatusText(view, c.pickedPrompt +
                                    " - Right-click for edit options; Press enter key to change "
                                    "point values.");
        } else {
            SetStatusTextWithSuffix(view, 1309, c.pickedPrompt);
        }
        break;
    case 2: SetStatusTextFromId(view, 1310); break;
    case 3: SetStatusTextFromId(view, 1317); break;
    case 5: SetStatusTextFromId(view, 1312); break;
    case 6: SetStatusTextFromId(view, 1311); break;
    case 7: SetStatusTextFromId(view, 1314); break;
    case 8: SetStatusTextFromId(view, 1316); break;
    case 9: SetStatusTextFromId(view, 1332); break;
    case 10: SetStatusTextFromId(view, 1344); break;
    case 12: SetStatusTextFromId(view, 1315); break;
    case 13: SetStatusTextFromId(view, 1320); break;
    case 14:
        switch (c.circleToolMode) {
        case 1: SetStatusText(view, "Left-click to enter center point for circle"); break;
        case 3:
            SetStatusText(view, "Left-click to enter center point for initial trial circle");
            break;
        case 4:
            SetStatusText(view, c.fixedGridByLine
                                    ? "Left-click to enter first point on search line"
                                    : "Left-click to enter first corner point of grid");
            break;
        default: SetStatusText(view, "Unknown mode of computations"); break;
        }
        break;
    case 15: SetStatusTextFromId(view, 1322); break;
    case 16:
        switch (c.circleSearchMode) {
        case 1: SetStatusText(view, "Enter how radius of circle defined"); break;
        case 3: SetStatusText(view, "Enter how radii defined for initial mode of search."); break;
        case 4: SetStatusText(view, "Enter a criterion for radii"); break;
        default: SetStatusText(view, "Unknown mode of computations"); break;
        }
        break;
    case 17: SetStatusText(view, c.crackPrompt); break;
    case 18: SetStatusText(view, c.crackWaterPrompt); break;
    default: SetStatusText(view, ""); break;
    }
}

void SetToolTipFromId(int number) {
    g_toolTipId = number;
    auto text = LoadStringText(number);
    g_toolTip = text ? *text : "Tool tip resource missing";
}

void SetToolTipText(const std::string& text) {
    g_toolTip = text;
    g_toolTipId = -1;
}

void ClearToolTip() {
    g_toolTip.clear();
    g_toolTipId = -1;
}

bool GetToolTipText(std::string& text) {
    if (g_toolTip.empty()) return false;
    text = g_toolTip;
    return true;
}

int GetToolTipId() { return g_toolTipId; }

void SetCoordinateToolTip(double x, double y, int coordinateDecimals) {
    if (coordinateDecimals < 0 || coordinateDecimals > 15) coordinateDecimals = 2;
    char a[64], b[64], text[160];
    std::snprintf(a, sizeof a, "%1.*f", coordinateDecimals, x);
    std::snprintf(b, sizeof b, "%1.*f", coordinateDecimals, y);
    std::snprintf(text, sizeof text, "X: %s , Y: %s", a, b);
    SetToolTipText(text);
}

void ResetPrompts() {
    g_statusText.clear();
    g_statusId = -1;
    g_toolTip.clear();
    g_toolTipId = -1;
    g_promptSink = nullptr;
}
