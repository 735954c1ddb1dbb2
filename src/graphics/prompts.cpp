#include "graphics/prompts.h"

#include "core/string_table.h"
#include "platform/services.h"

#include <cstdio>

namespace {

std::string g_statusText;
int g_statusId = -1;
std::string g_toolTip;
int g_toolTipId = -1;

void ToFrame(bool view) {
    if (view) platform::Services().StatusLine().SetText(g_statusText);
}

}  // namespace

void ShowPrompt(const std::string& text) { platform::Services().PromptBar().Show(text); }

void ShowPromptResource(int number) {
    if (auto text = LoadStringText(number)) ShowPrompt(*text);
}

void ClearPromptBar() { platform::Services().PromptBar().Hide(); }

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
}
