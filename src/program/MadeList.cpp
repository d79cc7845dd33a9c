#include "program/MadeList.h"

#include "program/Program.h"

bool OpenMadeList(TProgram& program, TArrayOfBootData records, const std::string& step) {
    if (!program.OpenList(""))
        return false;
    TProject& made = *program.Lists.back();
    made.Data = std::move(records);
    made.Saved = false;
    program.RecordsReplaced(made, step, true);
    return true;
}
