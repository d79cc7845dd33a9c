#include "program/ListNames.h"

#include "core/ListCaption.h"
#include "core/Project.h"
#include "program/Version.h"

std::string ListName(const TProject& list) {
    return list.FileName.empty() ? "Untitled" : ListCaption(list.FileName);
}

std::string ListTabCaption(const TProject& list) {
    return ListName(list) + (list.Saved ? "" : "*") + (list.ReadOnly ? " (read-only)" : "");
}

std::string MainWindowTitle(const TProject* list) {
    const std::string program = std::string(kProgramName) + " v" + kCaptionVersion;
    return list ? ListTabCaption(*list) + " - " + program : program;
}
