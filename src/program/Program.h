#pragma once

#include "controls/markup/MarkupLiteral.h" // the words of every ShowMsg
#include "core/Codes.h"
#include "core/FilterState.h"
#include "core/Project.h"
#include "platform/CodePage.h"
#include "platform/SettingsStore.h"
#include "program/ExportOrder.h"
#include "program/History.h"
#include "program/ListGuards.h"
#include "program/ProgramFolders.h"
#include "program/ProgramHost.h"

#include <array>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

// A window without a stored placement opens in this size, centred on the
// virtual screen.
constexpr TScreenSize kMainWindowSize{780, 580};
constexpr TScreenSize kCommentWindowSize{480, 560};
// The remembered width of the filter panel when none is stored.
constexpr int32_t kDefaultRollupWidth = 211;
constexpr int32_t kDefaultBackupCount = 5;
constexpr int32_t kMaxBackupCount = 1000;

struct TLeftJournal;
struct TListOpenJob;
struct TListSaveJob;

// What a change of a list's file on the disk led to.
enum class TOutsideChange { None, Reloaded, Told };

// The one program-wide object: the folders, the open lists, the concert
// lists, the filter selections, the history and every remembered setting,
// and the commands that concern lists as a whole.
class TProgram {
public:
    // Reads the concert lists, then the settings, then rebuilds the history menu.
    TProgram(IProgramHost& host, ISettingsStore& store, const TProgramFolders& folders);
    TProgram(const TProgram&) = delete;
    TProgram& operator=(const TProgram&) = delete;
    // Gives up the locks of the lists still open.
    ~TProgram();

    std::string ProgramDir, ExeName, ListsDir, ToursDir, CoversDir, TemplatesDir, BackupsDir, RecoveryDir;
    THistory History;
    TWindowPlacement MainPlacement;
    TWindowPlacement CommentPlacement;
    std::string SearchString;
    // AllBands, Bands (the concert lists), SourceSel(All), MediaSel(All).
    TFilterState Filter;
    int32_t ConcListIndex = 0;
    TExportOrder ExportPos = DefaultExportOrder();
    std::array<bool, 2> ExportParams{true, true}; // options 1 and 2
    std::string ExportFile;
    int32_t ExportFormat = 0; // a TExportFormat
    std::string PdfFile;      // the last file of File > Export to PDF
    int32_t RollupWidth = kDefaultRollupWidth;
    std::array<bool, 3> ListFuncParam{true, true, true}; // options 1..3
    bool LooseMatch = false;                             // the list functions' option "Loose match"
    // The page texts that are not UTF-8 are shown in.
    TCodePage CodePage = kDefaultCodePage;
    // How many earlier files of each list are kept in BackupsDir; 0 keeps none.
    int32_t BackupCount = kDefaultBackupCount;
    // The installed samples were offered at the first start.
    bool SamplesOffered = false;
    // Widths of template-grid columns 1..14 ("Search" .. "Comment").
    std::array<int32_t, kTemplateColumns> GridWidths = DesignGridWidths();
    std::vector<std::unique_ptr<TProject>> Lists;
    // The list files that were open when the settings were last written
    // before this start: those of a run that did not end cleanly, since a
    // clean exit closes every list first.
    std::vector<std::string> ListsOpenLastTime;
    // The items of the three filter lists.
    std::vector<std::string> BandLines, SourceLines, MediaLines;
    // Tour files that could not be read at start, each with its reason.
    std::vector<std::string> UnreadableTourFiles;
    // Why the Tours folder could not be read at start, or "".
    std::string ToursFolderError;
    TFileDialog OpenDialog;
    TFileDialog SaveDialog;

    static std::array<int32_t, kTemplateColumns> DesignGridWidths();

    // Every program-level command; an unexpected failure ends only the command.
    void Execute(const TAction& action);
    // Opens a list file in a new tab, under its absolute and clean name; an
    // empty name makes a new empty list. A file already open (by any name)
    // only brings its tab forward. Only a list read from its file
    // enters the history. False when the file could not be opened (the user
    // has been told why).
    // Returns once the list is open; the window paints meanwhile.
    bool OpenList(const std::string& fileName);
    // The same, but the file is read away from the window: the tab comes
    // once the list is read, and then `then` hears whether it was opened
    // (at once when nothing is to be read).
    void StartOpen(const std::string& fileName, std::function<void(bool opened)> then = {});
    // Asks to save an unsaved list first; false when the user cancelled or
    // saving failed, and then the list stays open.
    bool CloseList(int index);
    bool CloseAllForExit();
    int CurrentListIndex() const;
    TProject* CurrentList();

    // Saves list `index` to its file, asking for a name when it has none, when
    // the file is gone, when the list is read-only (or when `askName`). Failures are shown; false when not saved.
    // Returns once the file is written.
    bool SaveList(int index, bool askName = false);
    // The same, but the file is written away from the window while the list
    // may go on changing: the file gets the list as it is now. `then` hears
    // whether it was saved. False when no save was started (the user
    // cancelled, the list is being saved already, or it could not be taken).
    bool StartSave(int index, bool askName = false, std::function<void(bool saved)> then = {});
    // A save of `list` is under way: it is not saved again, nor closed, nor
    // read again from its file, until the save ends.
    bool IsSaving(const TProject& list) const;

    // The lock and file identity of an open list.
    TListGuard& Guard(const TProject& list);
    // After the file of list `index` may have changed on the disk: an
    // unedited list is read again, an edited one's user is told once.
    TOutsideChange CheckOutsideChange(int index);
    // The records of `list` were replaced outside its history by the step
    // `step` (a join; "" when they are no step of the user's). With
    // `buildView`, its view is built ahead, for the refresh that follows.
    void RecordsReplaced(TProject& list, const std::string& step, bool buildView = false);
    // Opens the lists named at the start and, with `reopenRecent`, the most
    // recent list and those a run that did not end cleanly had open.
    void OpenAtStart(const std::vector<std::string>& startLists, bool reopenRecent);
    // Offers the unsaved changes that a run which did not end cleanly kept
    // in its journals: restored as unsaved changes, or discarded.
    void OfferRecovery();

    int ShowMsg(const std::string& text, Msg::TKind kind, Msg::TButtons buttons, Msg::TAlign alignment);
    void ShowHelp(const std::string& text, int width, int height);

    void LoadSettings();
    // Writes every remembered value; false with the reason when the store
    // could not be written.
    bool SaveSettings(std::string& error);
    void AddToHistory(const std::string& path);
    void UpdateHistoryMenu();

    // The warning about an unreadable Tours folder or unreadable tour files,
    // or "" when all could be read.
    std::string StartupWarning() const;

private:
    void Dispatch(const TAction& action);
    void LoadConcertLists();
    bool AskSaveName(TProject& list);
    void ForgetGuard(const TProject& list);
    // Writes the settings when the files of the open lists are other than
    // those last written, so that a crash forgets none of them.
    void OpenListsChanged();
    void FinishSave(TProject& list, TListSaveJob& job);
    class TOpening;
    // With `failure`, a failure thrown while reading is kept there, else thrown
    // on the window's side.
    void StartOpen(const std::string& fileName, std::function<void(bool opened)> then, std::exception_ptr* failure);
    bool FinishOpen(TListOpenJob& job, TLockedOpen mode);
    // A list, read or new, gets its guard, its journal and its tab.
    void AddOpenedList(std::unique_ptr<TProject> list, TLockedOpen mode, const TFileIdentity* readFrom);
    void ShowSaveFailure(const std::string& fileName, const std::string& reason);
    void RestoreLeftJournal(const TLeftJournal& left, const std::string& name);
    void SetDialogFolders(const std::string& fileName);
    // The list open from `fileName` under this or any other name, or -1.
    int OpenIndexOf(const std::string& fileName) const;

    IProgramHost& m_host;
    ISettingsStore& m_store;
    std::map<const TProject*, TListGuard> m_guards;
    std::string m_openListsWritten;
    std::set<const TProject*> m_saving;
    // The files being read for a tab still to come.
    std::set<std::string> m_opening;
};
