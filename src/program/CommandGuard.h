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

// Inside a catch block: the failure being handled, in words for the user.
std::string CurrentFailureReason();

// Where failures that escape every command go: the events of the windows
// that are no command of the table (a button of a secondary window, an
// edit) end there, caught by the application. The main window sets it to
// its message dialog; unset, the text goes to standard error.
std::function<void(const std::string& text)>& UnexpectedFailureReport();

// Reports the failure being handled (inside a catch block) through
// UnexpectedFailureReport; never throws.
void ReportUnexpectedFailure() noexcept;
