#pragma once

#include "program/ExportFile.h"
#include "program/ProgramHost.h"

#include <array>
#include <string>
#include <vector>

class TProgram;
class TProject;

// The export window without its widgets. It starts from the remembered
// order and options and hands them back to the program only when closed
// with Ok; the file name of an export is remembered as soon as it is chosen.
class TExportFormLogic {
public:
    TExportFormLogic(TProgram& program, IProgramHost& host, const TStrings2& names);

    TExportOrder Order;
    TExportOptions Options;
    TExportFormat Format = TExportFormat::Text;

    // Dropping the selected positions before `target`; the new selection by position.
    std::array<bool, kExportLineCount> Drop(const std::array<bool, kExportLineCount>& selected, int target);

    // The Export button: asks for the file (starting from the last one) and
    // writes the visible bootlegs of the current list. A failure is shown,
    // naming the file and the reason. True when the file was written.
    bool Export();

    // Closing the window: only Ok (modal result 1) keeps the order and options.
    void Close(int modalResult);

    static std::string HelpText();
    static constexpr int kHelpWidth = 350;
    static constexpr int kHelpHeight = 200;

private:
    TProgram& m_program;
    IProgramHost& m_host;
    const TStrings2& m_names;
    TFileDialog m_saveDialog;
};
