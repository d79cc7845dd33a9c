#include "program/ExportFormLogic.h"

#include "controls/markup/MarkupLiteral.h"
#include "core/ListCaption.h"
#include "program/ListNames.h"
#include "program/Program.h"

namespace {

const char* const kHelpLines[] = {
    "|b Properties|f  - put and sort properties above thin line that you want to export to do text file.",
    "",
    "|b Divide by tours|f  - to divide exported list into tours",
    "",
    "|b Band name beofre tour name|f  - obvious enough :)",
    "",
    "|b Export|f  - select or enter new file name where you want to save list in text format",
};

} // namespace

TExportFormLogic::TExportFormLogic(TProgram& program, IProgramHost& host, const TStrings2& names)
    : m_program(program), m_host(host), m_names(names) {
    // The settings only ever hold a permutation; the check keeps a damaged one out.
    Order = IsExportOrder(program.ExportPos) ? program.ExportPos : DefaultExportOrder();
    Options = {program.ExportParams[0], program.ExportParams[1]};
    if (!ExportFormatOfNumber(program.ExportFormat, Format))
        Format = TExportFormat::Text;
    m_saveDialog.Title = "Export list";
    m_saveDialog.OverwritePrompt = true;
}

std::array<bool, kExportLineCount> TExportFormLogic::Drop(const std::array<bool, kExportLineCount>& selected,
                                                          int target) {
    std::array<bool, kExportLineCount> after{};
    Order = DropSelectedLines(Order, selected, target, after);
    return after;
}

bool TExportFormLogic::Export() {
    const TProject* list = m_program.CurrentList();
    if (!list)
        return false;
    const TExportFormatInfo& format = ExportFormatInfo(Format);
    m_saveDialog.Filter = format.Filter;
    m_saveDialog.DefaultExt = format.Extension;
    m_saveDialog.FileName = ExportFileNameFor(m_program.ExportFile, Format);
    // A remembered name with its folder takes the dialog there.
    m_saveDialog.InitialDir = m_program.ListsDir;
    if (!m_host.RunSaveDialog(m_saveDialog))
        return false;
    m_program.ExportFile = m_saveDialog.FileName;
    std::string error;
    bool written = false;
    m_host.RunAndWait("Exporting " + ListName(*list), [&] {
        written = ExportListFile(m_program.ExportFile, {list->Data, list->View, m_program.Filter.Bands, m_names},
                                 {Order, Options, Format}, ListCaption(list->FileName), error);
    });
    if (written)
        return true;
    m_host.ShowMsg("The list could not be exported:||" + MarkupLiteral(m_program.ExportFile) + "||" +
                       MarkupLiteral(error) + "||A file of that name on the disk was left as it was.",
                   Msg::Error, Msg::Ok, Msg::Centre);
    return false;
}

void TExportFormLogic::Close(int modalResult) {
    if (modalResult != Msg::ResultOk)
        return;
    m_program.ExportPos = Order;
    m_program.ExportParams = {Options.DivideByTours, Options.BandNameBeforeTour};
    m_program.ExportFormat = static_cast<int32_t>(Format);
}

std::string TExportFormLogic::HelpText() {
    std::string text;
    for (const char* line : kHelpLines)
        text += std::string(line) + "\r\n";
    return text;
}
