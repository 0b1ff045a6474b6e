#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qlx {

// The media manager's arguments from the one command-line string a platform may hand over
// (everything after the program's own name). The text is trimmed of blanks (space, tab, CR,
// LF, VT, FF); a double quote opens a quoted argument only where the scan stands, so only a
// quoted first argument loses its quotes: a later one keeps them. A blank line gives none.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

// The same arguments from a vector the shell already split (argv without the program name):
// each is trimmed of blanks, and the list ends at the first blank one, as the split does.
std::vector<std::string> ArgumentsFromArgv(const std::vector<std::string>& argv);

} // namespace qlx
