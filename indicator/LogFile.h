// The safe write the logs of discharging_log\ share: every line added by rewriting the
// whole file, its previous state kept one step back in the ".bak" beside it.
#pragma once
#include <string>
#include <vector>

namespace indicator {

// The lines of a text, CR LF or LF ended.
std::vector<std::string> SplitLines(const std::string& text);

// Adds lines to a log file, beginning a new one with its header. The file's previous state
// goes to the backup first, then the new state replaces the file in one step: whichever
// step fails, the file holds either the lines it had or all of them, and the backup one
// state less. Throws sys::FileCreateError.
void AppendLogLines(const std::string& path, const std::string& header,
                    const std::vector<std::string>& added);

// The file as the last write left it: the file, or after a write that failed half-way its
// backup; empty when neither is there.
std::string ReadLogFile(const std::string& path);

}  // namespace indicator
