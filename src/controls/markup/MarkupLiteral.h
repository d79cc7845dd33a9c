#pragma once

// Texts that must reach the screen as they stand (paths, list names, the
// reasons of failures) are made literal here before they join a markup text.

#include <string>

// `text` drawn as it stands by the markup renderer: every bar becomes the
// bar symbol ("|s| "), so that names and paths cannot start codes.
std::string MarkupLiteral(const std::string& text);
