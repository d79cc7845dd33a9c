#pragma once

// The commands of the main window's menus, tool bar and shortcuts. The
// main window handles some itself and passes the rest to the program
// object, which passes what it does not handle to the current list.
enum class TActionId {
    cmNew,
    cmOpen,
    cmSave,
    cmSaveAs,
    cmClose,
    cmCloseAll,
    cmExit,
    cmHelp,
    cmAdd,
    cmClearSearch,
    cmCompare,
    cmDelete,
    cmExport,
    cmFind,
    cmFindConcert,
    cmFindNext,
    cmSortAZ,
    cmSortZA,
    cmConcerts,
    cmAbout,
    cmClipboardCopy,
    cmClipboardPaste,
    cmClipboardCut,
    cmSelectAll,
    cmUndo,
    cmRedo,
    cmQuickFilter,
    cmCoverage,
    cmStatistics,
    cmPrint,
    cmExportPdf,
    cmMarkedOnly, // toggles the list between everything and what compare marked
    cmCopyMarked,
    cmImportList,
    cmFileHist, // cmFileHist1 .. cmFileHist9 and cmFileHist0; the tag is the entry, 1..10
    cmCodePage, // one per legacy code page; the tag is its number (TCodePage)
};

struct TAction {
    TActionId Id;
    int Tag = 0;
};
