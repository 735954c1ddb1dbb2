#pragma once
// The echo listing as the load and reinforcement readers use it: numbered tables and rows of
// text written to the listing of the file being read.

#include <cstdio>
#include <string>
#include <vector>

namespace loads {

// Starts echo table number (with sub-number 0) framed with the character, with the run header,
// titled with the given lines.
void StartEchoTable(std::FILE* echoFile, long number, char frame,
                    const std::vector<std::string>& titles);
// Writes text to the listing (nothing when there is none).
void Echo(std::FILE* echoFile, const std::string& text);

}  // namespace loads
