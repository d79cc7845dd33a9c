#pragma once

#include <string>

// The caption of a list in tabs, the title bar and the list functions: the
// file name without folder and without everything from its first ".", with
// a first letter a..z made upper case. "my list.old.kvu" gives "My list".
std::string ListCaption(const std::string& path);
