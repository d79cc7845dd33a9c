#include "program/CommandGuard.h"

#include "program/ActionTable.h"
#include "program/Program.h"

#include <exception>
#include <new>

std::string CommandName(const TAction& action) {
    if (action.Id == TActionId::cmFileHist)
        return "Open recent file";
    std::string name;
    for (const char* c = ActionInfo(action.Id).Caption; *c; ++c)
        if (*c != '&')
            name += *c;
    return name;
}

bool RunCommandGuarded(IProgramHost& host, const TAction& action, const std::function<void()>& command) {
    std::string why;
    try {
        command();
        return true;
    } catch (const std::bad_alloc&) {
        why = "The program ran out of memory.";
    } catch (const std::exception& failure) {
        why = "Unexpected failure: " + MarkupLiteral(failure.what());
    } catch (...) {
        why = "Unexpected failure of an unknown kind.";
    }
    // Building the message needs little memory, and what the command held is
    // free again by now.
    try {
        const std::string command = "The command \"" + MarkupLiteral(CommandName(action)) + "\"";
        host.ShowMsg(command + " could not be completed and was abandoned.||" + why, Msg::Error, Msg::Ok, Msg::Centre);
    } catch (...) {
        // Nothing more can be said; the program goes on.
    }
    return false;
}
