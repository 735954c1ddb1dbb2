#pragma once
// The data-error display: a modeless window that lists the numbered messages of the last data
// check, read from the error log ("Error.log": messages each ended by a line "///ENDLOG").

#include <filesystem>
#include <string>
#include <vector>

namespace platform {

// The keys HandlePageKey understands.
enum PageKey : int {
    PageKeyPrior = 0x21,
    PageKeyNext = 0x22,
    PageKeyEnd = 0x23,
    PageKeyHome = 0x24
};

class DataErrorService {
public:
    virtual ~DataErrorService() = default;
    // Reads the log and shows its messages (the window comes up, or is refilled when shown).
    virtual void DisplayDataErrors(const std::filesystem::path& logFile) = 0;
    // True while the window exists and is visible.
    virtual bool IsShown() const = 0;
    // A key pressed in the main frame while the window is shown (a PageKey): true when the
    // window used it.
    virtual bool HandlePageKey(int key) = 0;
};

// The messages of an error log, each without its "///ENDLOG" line; text after the last
// end line counts as a message too. CRLF line ends are accepted. A missing file gives none.
std::vector<std::string> ReadErrorLogMessages(const std::filesystem::path& logFile);

}  // namespace platform
