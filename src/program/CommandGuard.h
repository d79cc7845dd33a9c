#pragma once

#include "program/Actions.h"
#include "program/ProgramHost.h"

#include <functional>
#include <string>

// The one report of unexpected failures. A command that fails in a way no
// code on its path expected (memory running out, a failure thrown from
// deep inside) ends there: the user is told which command failed and why,
// and the program goes on with what it had before the command.

// The command as the user knows it from the menus: "Save", "Open recent file".
std::string CommandName(const TAction& action);

// Runs `command`; false when it ended by an unexpected failure, which `host`
// has shown as an error.
bool RunCommandGuarded(IProgramHost& host, const TAction& action, const std::function<void()>& command);
