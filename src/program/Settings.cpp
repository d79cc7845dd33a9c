// Reading and writing the remembered values of the program object.

#include "program/Program.h"
#include "program/WindowPlacement.h"

#include "program/ExportOrder.h"

namespace {

// Value names with a number: the prefix and the number in decimal.
std::string Numbered(const char* prefix, int number) {
    return prefix + std::to_string(number);
}

bool IsShowState(int32_t state) {
    return state >= 1 && state <= 3;
}

TWindowPlacement ReadPlacement(const ISettingsStore& store, const char* prefix, TWindowPlacement placement,
                               const TScreenSize& screen, int32_t width, int32_t height) {
    const std::string p = prefix;
    TWindowPlacement read = placement;
    read.ShowState = ReadIntDef(store, p + "State", 1);
    read.Left = ReadIntDef(store, p + "Left", (screen.Width - width) / 2);
    read.Top = ReadIntDef(store, p + "Top", (screen.Height - height) / 2);
    read.Right = ReadIntDef(store, p + "Right", (screen.Width + width) / 2);
    read.Bottom = ReadIntDef(store, p + "Bottom", (screen.Height + height) / 2);
    // A stored placement that no window can have falls back to the default.
    if (!IsShowState(read.ShowState))
        read.ShowState = 1;
    if (read.Right <= read.Left || read.Bottom <= read.Top) {
        read.Left = (screen.Width - width) / 2;
        read.Top = (screen.Height - height) / 2;
        read.Right = (screen.Width + width) / 2;
        read.Bottom = (screen.Height + height) / 2;
    }
    return FitPlacementOnScreen(read, screen);
}

void WritePlacement(ISettingsStore& store, const char* prefix, const TWindowPlacement& placement) {
    const std::string p = prefix;
    WriteIntValue(store, p + "State", placement.ShowState);
    WriteIntValue(store, p + "Left", placement.Left);
    WriteIntValue(store, p + "Top", placement.Top);
    WriteIntValue(store, p + "Right", placement.Right);
    WriteIntValue(store, p + "Bottom", placement.Bottom);
}

constexpr int32_t kWidestColumn = 10000;

} // namespace

void TProgram::LoadSettings() {
    const TScreenSize screen = m_host.VirtualScreenSize();
    MainPlacement = ReadPlacement(m_store, "Main", m_host.MainWindowPlacement(), screen, 780, 580);
    CommentPlacement = ReadPlacement(m_store, "Comment", TWindowPlacement(), screen, 480, 560);

    History.Clear();
    for (int i = 1; i <= THistory::kSize; ++i)
        History.SetEntry(i, ReadStrDef(m_store, Numbered("File", i), ""));

    for (int i = 1; i <= 14; ++i) {
        int32_t width = ReadIntDef(m_store, Numbered("GridWitdh", i), GridWidths[i - 1]);
        if (width >= 0 && width <= kWidestColumn)
            GridWidths[i - 1] = width;
    }

    std::array<int32_t, 14> order{};
    for (int i = 0; i < 14; ++i)
        order[i] = ReadIntDef(m_store, Numbered("ExportPos", i), i);
    if (IsExportOrder(order))
        ExportPos = order;

    for (int i = 1; i <= 2; ++i)
        ExportParams[i - 1] = ReadBoolDef(m_store, Numbered("ExportParams", i), true);
    ExportFile = ReadStrDef(m_store, "ExportFile", "");
    RollupWidth = ReadIntDef(m_store, "RollupWidth", 211);
    if (RollupWidth < 0)
        RollupWidth = 211;

    Filter.SourceSelAll = ReadBoolDef(m_store, "SourceSelAll", true);
    for (size_t i = 0; i < Filter.SourceSel.size(); ++i)
        Filter.SourceSel[i] = ReadBoolDef(m_store, Numbered("SourceSel", static_cast<int>(i)), false);
    Filter.MediaSelAll = ReadBoolDef(m_store, "MediaSelAll", true);
    for (size_t i = 0; i < Filter.MediaSel.size(); ++i)
        Filter.MediaSel[i] = ReadBoolDef(m_store, Numbered("MediaSel", static_cast<int>(i)), false);

    ConcListIndex = ReadIntDef(m_store, "ConcListIndex", 0);
    if (ConcListIndex < 0)
        ConcListIndex = 0;
    for (int i = 1; i <= 3; ++i)
        ListFuncParam[i - 1] = ReadBoolDef(m_store, Numbered("ListFuncParam", i), true);
    if (!CodePageOfNumber(ReadIntDef(m_store, "LegacyCodePage", static_cast<int32_t>(kDefaultCodePage)), CodePage))
        CodePage = kDefaultCodePage;
}

bool TProgram::SaveSettings(std::string& error) {
    std::string path = ProgramDir;
    if (path.size() > 1 && path.back() == '/')
        path.pop_back();
    WriteStrValue(m_store, "Path", path);
    WritePlacement(m_store, "Main", m_host.MainWindowPlacement());
    WritePlacement(m_store, "Comment", CommentPlacement);
    for (int i = 1; i <= THistory::kSize; ++i)
        WriteStrValue(m_store, Numbered("File", i), History.Entry(i));
    for (int i = 1; i <= 14; ++i)
        WriteIntValue(m_store, Numbered("GridWitdh", i), GridWidths[i - 1]);
    for (int i = 0; i < 14; ++i)
        WriteIntValue(m_store, Numbered("ExportPos", i), ExportPos[i]);
    for (int i = 1; i <= 2; ++i)
        WriteBoolValue(m_store, Numbered("ExportParams", i), ExportParams[i - 1]);
    WriteStrValue(m_store, "ExportFile", ExportFile);
    WriteIntValue(m_store, "RollupWidth", RollupWidth);
    WriteBoolValue(m_store, "SourceSelAll", Filter.SourceSelAll);
    for (size_t i = 0; i < Filter.SourceSel.size(); ++i)
        WriteBoolValue(m_store, Numbered("SourceSel", static_cast<int>(i)), Filter.SourceSel[i]);
    WriteBoolValue(m_store, "MediaSelAll", Filter.MediaSelAll);
    for (size_t i = 0; i < Filter.MediaSel.size(); ++i)
        WriteBoolValue(m_store, Numbered("MediaSel", static_cast<int>(i)), Filter.MediaSel[i]);
    WriteIntValue(m_store, "ConcListIndex", ConcListIndex);
    for (int i = 1; i <= 3; ++i)
        WriteBoolValue(m_store, Numbered("ListFuncParam", i), ListFuncParam[i - 1]);
    WriteIntValue(m_store, "LegacyCodePage", static_cast<int32_t>(CodePage));
    return m_store.Flush(error);
}
