#pragma once
// Texts of the string table by id, for model code that names them by number (message-box
// captions, prompts). The resources register the table with SetStringTableSource at start-up;
// until then every id is missing, and callers that need a text then do nothing.

#include <functional>
#include <optional>
#include <string>

std::optional<std::string> LoadStringText(int id);
void SetStringTableSource(std::function<std::optional<std::string>(int)> source);
