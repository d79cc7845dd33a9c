#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// korvalen-cli: batch work on list files. `args` excludes the program name.
// Returns the exit status: 0 on success, 1 on any error (reported on `err`,
// with no output file touched).
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
