#pragma once

#include "program/ProgramHost.h"

#include <QString>

#include <string>

class QFileDialog;

// The one place a stored dialog filter ("text|pattern;pattern") reaches the
// toolkit's file dialogs. The toolkit reads the patterns from the brackets at
// the end of a name filter, separated by spaces; without brackets it takes
// the words of the text, so "*.jpg; *.jpeg" would be the patterns "*.jpg;"
// and "*.jpeg".

// "KV user file (*.kvu)|*.kvu" gives "KV user file (*.kvu)"; a text without
// brackets of its own gets the patterns after it: "*.jpg; *.bmp|*.jpg;*.bmp"
// gives "*.jpg; *.bmp (*.jpg *.bmp)".
QString DialogNameFilter(const std::string& filter);

// Sets up `chooser` for `dialog`: title, starting folder, filter, open or
// save. A proposed file name that names a folder opens that folder with the
// name box empty.
void SetUpFileDialog(QFileDialog& chooser, const TFileDialog& dialog, bool saving);
