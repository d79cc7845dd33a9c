#include "program/CommandGuard.h"

#include "controls/markup/MarkupLiteral.h"
#include "program/ActionTable.h"

#include <cstdio>
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

std::string CurrentFailureReason() {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return "The program ran out of memory.";
    } catch (const std::exception& failure) {
        return "Unexpected failure: " + MarkupLiteral(failure.what());
    } catch (...) {
        return "Unexpected failure of an unknown kind.";
    }
}

std::function<void(const std::string& text)>& UnexpectedFailureReport() {
    static std::function<void(const std::string& text)> report;
    return report;
}

void ReportUnexpectedFailure() noexcept {
    try {
        const std::string text = "The operation could not be completed and was abandoned.||" + CurrentFailureReason();
        if (UnexpectedFailureReport())
            UnexpectedFailureReport()(text);
        else
            std::fprintf(stderr, "%s\n", text.c_str());
    } catch (...) {
        // Nothing more can be said; the program goes on.
    }
}

bool RunCommandGuarded(IProgramHost& host, const TAction& action, const std::function<void()>& command) {
    std::string why;
    try {
        command();
        return true;
    } catch (...) {
        why = CurrentFailureReason();
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
