#pragma once

#include <string>

class TProject;

// How an open list is named on the screen: in its tab, in the bar above the
// grid, in the window's title and in the questions about it. A list never
// saved is "Untitled"; unsaved changes add a "*", and a list that may only
// be saved under another name says so.

// "Untitled" for a list without a file, else the caption of its file.
std::string ListName(const TProject& list);
// The tab's text: the name, "*" while unsaved, " (read-only)" when read-only.
std::string ListTabCaption(const TProject& list);
// The main window's title for the current list, or nullptr for none.
std::string MainWindowTitle(const TProject* list);
