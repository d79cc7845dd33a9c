// Reading and writing the remembered values of the program object.

#include "program/Program.h"
#include "program/WindowPlacement.h"

#include "program/ExportFile.h"
#include "program/ExportOrder.h"
#include "program/FirstStart.h"
#include "program/SettingsTable.h"

#include <new>

namespace {

// Values that the program keeps in another shape than the store's pass
// through here on their way in and out.
struct TPassing {
    std::string Path;
    TWindowPlacement Main;
    std::array<std::string, THistory::kSize> Files;
    int32_t CodePage = static_cast<int32_t>(kDefaultCodePage);
    std::string OpenLists;
};

// The files of the open lists, a line each; a name with a line break in it
// (never made by the program's own dialogs) is left out.
std::string OpenListsText(const std::vector<std::unique_ptr<TProject>>& lists) {
    std::string text;
    for (const auto& list : lists)
        if (!list->FileName.empty() && list->FileName.find('\n') == std::string::npos)
            text += list->FileName + '\n';
    return text;
}

std::vector<std::string> OpenListsOfText(const std::string& text) {
    std::vector<std::string> files;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        if (end > start)
            files.push_back(text.substr(start, end - start));
    return files;
}

// Value names with a number: the prefix and the number in decimal.
std::string Numbered(const char* prefix, int number) {
    return prefix + std::to_string(number);
}

constexpr int32_t kWidestColumn = 10000;

bool IsShowState(int32_t state) {
    return state >= static_cast<int32_t>(TShowState::Normal) && state <= static_cast<int32_t>(TShowState::Maximised);
}

bool IsColumnWidth(int32_t width) {
    return width >= 0 && width <= kWidestColumn;
}

bool IsNotNegative(int32_t value) {
    return value >= 0;
}

bool IsBackupCount(int32_t value) {
    return value >= 0 && value <= kMaxBackupCount;
}

bool IsLegacyCodePage(int32_t number) {
    TCodePage page;
    return CodePageOfNumber(number, page);
}

bool IsExportFormat(int32_t number) {
    TExportFormat format;
    return ExportFormatOfNumber(number, format);
}

TWindowPlacement CentredPlacement(const TScreenSize& screen, const TScreenSize& size) {
    TWindowPlacement centred;
    centred.Left = (screen.Width - size.Width) / 2;
    centred.Top = (screen.Height - size.Height) / 2;
    centred.Right = (screen.Width + size.Width) / 2;
    centred.Bottom = (screen.Height + size.Height) / 2;
    return centred;
}

void AddPlacement(std::vector<TSetting>& table, const std::string& prefix, TWindowPlacement& placement,
                  const TWindowPlacement& fallback) {
    table.push_back(IntSetting(prefix + "State", placement.ShowState, fallback.ShowState, IsShowState));
    table.push_back(IntSetting(prefix + "Left", placement.Left, fallback.Left));
    table.push_back(IntSetting(prefix + "Top", placement.Top, fallback.Top));
    table.push_back(IntSetting(prefix + "Right", placement.Right, fallback.Right));
    table.push_back(IntSetting(prefix + "Bottom", placement.Bottom, fallback.Bottom));
}

// A stored rectangle that no window can have falls back to the centred one;
// any rectangle is then made fit for the screen.
TWindowPlacement CheckedPlacement(TWindowPlacement read, const TScreenSize& screen, const TScreenSize& size) {
    if (read.Right <= read.Left || read.Bottom <= read.Top) {
        const TWindowPlacement centred = CentredPlacement(screen, size);
        read.Left = centred.Left;
        read.Top = centred.Top;
        read.Right = centred.Right;
        read.Bottom = centred.Bottom;
    }
    return FitPlacementOnScreen(read, screen);
}

// Every remembered value, in the order it is written. The defaults of the
// column widths are the widths the columns have when the table is made.
std::vector<TSetting> ProgramSettings(TProgram& program, TPassing& passing, const TScreenSize& screen) {
    std::vector<TSetting> table;
    TSetting path = StrSetting("Path", passing.Path, "");
    path.WriteOnly = true;
    table.push_back(std::move(path));
    AddPlacement(table, "Main", passing.Main, CentredPlacement(screen, kMainWindowSize));
    AddPlacement(table, "Comment", program.CommentPlacement, CentredPlacement(screen, kCommentWindowSize));
    for (int i = 1; i <= THistory::kSize; ++i)
        table.push_back(StrSetting(Numbered("File", i), passing.Files[i - 1], ""));
    for (int i = 1; i <= kTemplateColumns; ++i) {
        int32_t& width = program.GridWidths[i - 1];
        table.push_back(IntSetting(Numbered("GridWitdh", i), width, width, IsColumnWidth));
    }
    for (int i = 0; i < kExportLineCount; ++i)
        table.push_back(IntSetting(Numbered("ExportPos", i), program.ExportPos[i], i));
    for (int i = 1; i <= static_cast<int>(program.ExportParams.size()); ++i)
        table.push_back(BoolSetting(Numbered("ExportParams", i), program.ExportParams[i - 1], true));
    table.push_back(StrSetting("ExportFile", program.ExportFile, ""));
    table.push_back(IntSetting("ExportFormat", program.ExportFormat, 0, IsExportFormat));
    table.push_back(StrSetting("PdfFile", program.PdfFile, ""));
    table.push_back(IntSetting("RollupWidth", program.RollupWidth, kDefaultRollupWidth, IsNotNegative));

    TFilterState& filter = program.Filter;
    table.push_back(BoolSetting("SourceSelAll", filter.SourceSelAll, true));
    for (size_t i = 0; i < filter.SourceSel.size(); ++i)
        table.push_back(BoolSetting(Numbered("SourceSel", static_cast<int>(i)), filter.SourceSel[i], false));
    table.push_back(BoolSetting("MediaSelAll", filter.MediaSelAll, true));
    for (size_t i = 0; i < filter.MediaSel.size(); ++i)
        table.push_back(BoolSetting(Numbered("MediaSel", static_cast<int>(i)), filter.MediaSel[i], false));

    table.push_back(IntSetting("ConcListIndex", program.ConcListIndex, 0, IsNotNegative));
    for (int i = 1; i <= static_cast<int>(program.ListFuncParam.size()); ++i)
        table.push_back(BoolSetting(Numbered("ListFuncParam", i), program.ListFuncParam[i - 1], true));
    table.push_back(BoolSetting("ListFuncLoose", program.LooseMatch, false));
    table.push_back(
        IntSetting("LegacyCodePage", passing.CodePage, static_cast<int32_t>(kDefaultCodePage), IsLegacyCodePage));
    table.push_back(IntSetting("BackupCount", program.BackupCount, kDefaultBackupCount, IsBackupCount));
    table.push_back(BoolSetting(kSamplesOfferedSetting, program.SamplesOffered, false));
    table.push_back(StrSetting("OpenLists", passing.OpenLists, ""));
    return table;
}

} // namespace

void TProgram::LoadSettings() {
    const TScreenSize screen = m_host.VirtualScreenSize();
    const TExportOrder orderBefore = ExportPos;
    TPassing passing;
    passing.Main = m_host.MainWindowPlacement();
    ReadSettings(m_store, ProgramSettings(*this, passing, screen));

    MainPlacement = CheckedPlacement(passing.Main, screen, kMainWindowSize);
    CommentPlacement = CheckedPlacement(CommentPlacement, screen, kCommentWindowSize);
    History.Clear();
    for (int i = 1; i <= THistory::kSize; ++i)
        History.SetEntry(i, passing.Files[i - 1]);
    // Each position may hold a line, and yet two hold the same one.
    if (!IsExportOrder(ExportPos))
        ExportPos = orderBefore;
    if (!CodePageOfNumber(passing.CodePage, CodePage))
        CodePage = kDefaultCodePage;
    ListsOpenLastTime = OpenListsOfText(passing.OpenLists);
    m_openListsWritten = passing.OpenLists;
}

bool TProgram::SaveSettings(std::string& error) {
    TPassing passing;
    passing.Path = ProgramDir;
    if (passing.Path.size() > 1 && passing.Path.back() == '/')
        passing.Path.pop_back();
    passing.Main = m_host.MainWindowPlacement();
    for (int i = 1; i <= THistory::kSize; ++i)
        passing.Files[i - 1] = History.Entry(i);
    passing.CodePage = static_cast<int32_t>(CodePage);
    passing.OpenLists = OpenListsText(Lists);
    WriteSettings(m_store, ProgramSettings(*this, passing, m_host.VirtualScreenSize()));
    m_openListsWritten = passing.OpenLists;
    return m_store.Flush(error);
}

void TProgram::OpenListsChanged() {
    // A store that cannot be written, or no memory for it, costs only this:
    // never the open, close or save that changed the lists.
    try {
        std::string ignored;
        if (OpenListsText(Lists) != m_openListsWritten)
            SaveSettings(ignored);
    } catch (const std::bad_alloc&) {
    }
}
