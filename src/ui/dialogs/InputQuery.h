#pragma once

#include <string>

class QWidget;

// The toolkit's one-line input box: a caption, a prompt and an edit field
// preset with `text`. On OK `text` takes the answer and true comes back.
bool InputQuery(QWidget* parent, const std::string& caption, const std::string& prompt, std::string& text);
