#include "Program.h"

#include "controls/markup/MarkupLiteral.h"
#include "core/ListCaption.h"
#include "platform/FileStamp.h"
#include "platform/FileSystem.h"
#include "platform/PathName.h"
#include "platform/ProcessFacts.h"
#include "program/CommandGuard.h"
#include "program/ConcertLists.h"
#include "program/ListNames.h"
#include "program/ListOpenJob.h"
#include "program/ListSaveJob.h"

#include <cassert>
#include <optional>

namespace {

const char* const kListFilter = "KV user file (*.kvu)|*.kvu";

} // namespace

std::array<int32_t, kTemplateColumns> TProgram::DesignGridWidths() {
    return {150, 150, 70, 120, 120, 200, 200, 70, 70, 50, 50, 50, 50, 150};
}

TProgram::TProgram(IProgramHost& host, ISettingsStore& store, const TProgramFolders& folders)
    : ProgramDir(folders.ProgramDir), ExeName(folders.ExeName), ListsDir(folders.ListsDir), ToursDir(folders.ToursDir),
      CoversDir(folders.CoversDir), TemplatesDir(folders.TemplatesDir), BackupsDir(folders.BackupsDir),
      RecoveryDir(folders.RecoveryDir), m_host(host), m_store(store) {
    OpenDialog.Title = "Open list";
    OpenDialog.Filter = kListFilter;
    OpenDialog.DefaultExt = "kvu";
    OpenDialog.MustExist = true;
    SaveDialog.Title = "Save list";
    SaveDialog.Filter = kListFilter;
    SaveDialog.DefaultExt = "kvu";
    SaveDialog.OverwritePrompt = true;
    OpenDialog.InitialDir = SaveDialog.InitialDir = ListsDir;

    // The concert lists fix the sizes of the selections that the settings fill.
    LoadConcertLists();
    LoadSettings();
    UpdateHistoryMenu();
}

void TProgram::LoadConcertLists() {
    TConcertLists lists = ::LoadConcertLists(ToursDir);
    Filter.Bands = std::move(lists.Bands);
    UnreadableTourFiles = std::move(lists.Unreadable);
    ToursFolderError = std::move(lists.FolderError);
    Filter.AllBands = true;
    Filter.SourceSelAll = true;
    Filter.SourceSel.fill(false);
    Filter.MediaSelAll = true;
    Filter.MediaSel.fill(false);
    BandLines = BandTourFilterLines(Filter.Bands);
    SourceLines = SourceFilterLines();
    MediaLines = MediaFilterLines();
    m_host.SetFilterLines(BandLines, SourceLines, MediaLines);
}

std::string TProgram::StartupWarning() const {
    if (!ToursFolderError.empty())
        return "The Tours folder could not be read; no concert lists were loaded:||" + MarkupLiteral(ToursFolderError);
    if (UnreadableTourFiles.empty())
        return {};
    std::string text = "These tour files could not be read and were left out:";
    for (const std::string& file : UnreadableTourFiles)
        text += "||" + MarkupLiteral(file);
    return text;
}

int TProgram::CurrentListIndex() const {
    const int index = m_host.CurrentTab();
    // Tab i shows list i: a current tab without its list is a fault of the
    // program, never of the user's data.
    assert(index >= -1 && index < static_cast<int>(Lists.size()));
    return index >= 0 && index < static_cast<int>(Lists.size()) ? index : -1;
}

TProject* TProgram::CurrentList() {
    int index = CurrentListIndex();
    return index < 0 ? nullptr : Lists[static_cast<size_t>(index)].get();
}

int TProgram::ShowMsg(const std::string& text, Msg::TKind kind, Msg::TButtons buttons, Msg::TAlign alignment) {
    return m_host.ShowMsg(text, kind, buttons, alignment);
}

void TProgram::ShowHelp(const std::string& text, int width, int height) {
    m_host.ShowHelp(text, width, height);
}

void TProgram::SetDialogFolders(const std::string& fileName) {
    OpenDialog.InitialDir = SaveDialog.InitialDir = FolderPart(fileName);
}

void TProgram::Execute(const TAction& action) {
    RunCommandGuarded(m_host, action, [&] { Dispatch(action); });
}

void TProgram::Dispatch(const TAction& action) {
    switch (action.Id) {
    case TActionId::cmNew:
        OpenList("");
        return;
    case TActionId::cmOpen:
        if (m_host.RunOpenDialog(OpenDialog) && FileSystem().IsFile(OpenDialog.FileName))
            OpenList(OpenDialog.FileName);
        return;
    case TActionId::cmExit:
        m_host.CloseMainWindow();
        return;
    case TActionId::cmClose:
        CloseList(CurrentListIndex());
        return;
    case TActionId::cmCloseAll:
        // A cancelled list stays open and the others are still offered.
        for (int i = static_cast<int>(Lists.size()) - 1; i >= 0; --i)
            CloseList(i);
        return;
    case TActionId::cmFileHist: {
        const std::string path = History.Entry(action.Tag);
        if (!path.empty() && FileSystem().IsFile(path))
            OpenList(path);
        else
            UpdateHistoryMenu();
        return;
    }
    default:
        if (CurrentListIndex() > -1)
            m_host.ExecuteListCommand(CurrentListIndex(), action);
        return;
    }
}

namespace {

// The host's busy pointer for as long as it lives, so that it goes also when
// a failure is thrown, and before any message about the outcome.
class TBusyPointer {
public:
    explicit TBusyPointer(IProgramHost& host) : m_host(host) { m_host.SetBusy(true); }
    ~TBusyPointer() { m_host.SetBusy(false); }
    TBusyPointer(const TBusyPointer&) = delete;
    TBusyPointer& operator=(const TBusyPointer&) = delete;

private:
    IProgramHost& m_host;
};

} // namespace

int TProgram::OpenIndexOf(const std::string& fileName) const {
    const TFileStamp wanted = StampOfFile(fileName);
    for (size_t i = 0; i < Lists.size(); ++i) {
        const std::string& open = Lists[i]->FileName;
        if (!open.empty() && (open == fileName || wanted.SameFile(StampOfFile(open))))
            return static_cast<int>(i);
    }
    return -1;
}

// A file being opened, with the busy pointer, until the opening ends
// however it ends: a second opening of it waits for the tab to come.
class TProgram::TOpening {
public:
    TOpening(TProgram& program, std::string fileName) : m_program(program), m_fileName(std::move(fileName)) {
        m_program.m_opening.insert(m_fileName);
        m_program.m_host.SetBusy(true);
    }
    ~TOpening() {
        m_program.m_host.SetBusy(false);
        m_program.m_opening.erase(m_fileName);
    }
    TOpening(const TOpening&) = delete;
    TOpening& operator=(const TOpening&) = delete;

private:
    TProgram& m_program;
    std::string m_fileName;
};

bool TProgram::OpenList(const std::string& name) {
    std::optional<bool> opened;
    std::exception_ptr failure;
    StartOpen(
        name, [&opened](bool ok) { opened = ok; }, &failure);
    if (!opened && !failure)
        m_host.WaitForBackgroundWork();
    // Thrown here, it is the command's failure, named as such.
    if (failure)
        std::rethrow_exception(failure);
    return opened.value_or(false);
}

void TProgram::StartOpen(const std::string& name, std::function<void(bool opened)> then) {
    StartOpen(name, std::move(then), nullptr);
}

void TProgram::StartOpen(const std::string& name, std::function<void(bool opened)> then, std::exception_ptr* failure) {
    if (!then)
        then = [](bool) {};
    // One file, one name: the history must find it again from any folder.
    const std::string fileName = name.empty() ? name : AbsolutePath(name);
    // Two tabs of one file would each overwrite what the other saved.
    if (const int open = fileName.empty() ? -1 : OpenIndexOf(fileName); open >= 0) {
        m_host.SetCurrentTab(open);
        m_host.FocusGrid();
        then(true);
        return;
    }
    if (fileName.empty()) {
        AddOpenedList(std::make_unique<TProject>(), TLockedOpen::Edit, nullptr);
        then(true);
        return;
    }
    if (m_opening.count(fileName) > 0) {
        then(false);
        return;
    }
    const TLockedOpen mode = AskLockedOpen(m_host, fileName, ListCaption(fileName));
    if (mode == TLockedOpen::Cancel) {
        then(false);
        return;
    }
    auto job = std::make_shared<TListOpenJob>();
    job->List = std::make_unique<TProject>();
    job->List->FileName = fileName;
    auto opening = std::make_shared<TOpening>(*this, fileName);
    m_host.RunInBackground(
        "Opening " + ListName(*job->List), [job] { RunListOpenJob(*job); },
        [this, job, mode, then, opening, failure]() mutable {
            opening.reset(); // the pointer goes before any message about the outcome
            if (job->Failure && failure)
                *failure = job->Failure;
            else if (job->Failure)
                std::rethrow_exception(job->Failure);
            else
                then(FinishOpen(*job, mode));
        });
}

bool TProgram::FinishOpen(TListOpenJob& job, TLockedOpen mode) {
    const std::string fileName = job.List->FileName;
    if (job.Result.Status == TListReadResult::TStatus::NewerVersion) {
        ShowMsg(job.Result.Reason, Msg::Error, Msg::Ok, Msg::Centre);
        return false;
    }
    if (!job.Result.Ok()) {
        ShowMsg("The list could not be opened:||" + MarkupLiteral(fileName) + "||" + MarkupLiteral(job.Result.Reason),
                Msg::Error, Msg::Ok, Msg::Centre);
        return false;
    }
    AddToHistory(fileName);
    SetDialogFolders(fileName);
    AddOpenedList(std::move(job.List), mode, &job.ReadFrom);
    return true;
}

void TProgram::AddOpenedList(std::unique_ptr<TProject> list, TLockedOpen mode, const TFileIdentity* readFrom) {
    TListGuard guard;
    if (!list->FileName.empty())
        GuardFile(guard, *list, mode, readFrom);
    // Tab i shows list i, also when the tab cannot be made; a failure on the
    // way leaves neither the list nor its guard behind.
    TProject* added = list.get();
    try {
        guard.Journal = std::make_unique<TListJournal>(NewJournalPath(RecoveryDir), *added);
        guard.Journal->Restart(guard.Identity);
        m_guards[added] = std::move(guard);
        Lists.push_back(std::move(list));
        m_host.AddTab(ListTabCaption(*added));
    } catch (...) {
        ForgetGuard(*added);
        ReleaseGuard(guard);
        if (!Lists.empty() && Lists.back().get() == added)
            Lists.pop_back();
        throw;
    }
    OpenListsChanged();
    // The new tab was not forward: bringing it there shows the list, and a
    // refresh on top would filter a big list twice.
    m_host.SetCurrentTab(static_cast<int>(Lists.size()) - 1);
    m_host.FocusGrid();
}

bool TProgram::AskSaveName(TProject& list) {
    SaveDialog.FilterIndex = 1;
    SaveDialog.FileName = FileNamePart(SaveDialog.FileName);
    if (!m_host.RunSaveDialog(SaveDialog))
        return false;
    list.FileName = SaveDialog.FileName;
    return true;
}

bool TProgram::SaveList(int index, bool askName) {
    bool saved = false;
    if (!StartSave(index, askName, [&saved](bool ok) { saved = ok; }))
        return false;
    m_host.WaitForBackgroundWork();
    return saved;
}

bool TProgram::IsSaving(const TProject& list) const {
    return m_saving.count(&list) > 0;
}

bool TProgram::StartSave(int index, bool askName, std::function<void(bool saved)> then) {
    if (index < 0 || index >= static_cast<int>(Lists.size()))
        return false;
    TProject& list = *Lists[static_cast<size_t>(index)];
    // Two writers of one file would race to replace it.
    if (IsSaving(list))
        return false;
    const std::string previousName = list.FileName;
    // A list whose file (or its whole folder, an unmounted disk) is gone, or
    // that someone else holds, is saved only where the user says.
    askName = askName || list.ReadOnly || !FileSystem().IsFile(list.FileName);
    if (!askName && FileChangedSince(m_guards[&list].Identity, list.FileName)) {
        const TChangedOnDisk choice = AskChangedOnDisk(m_host, ListName(list));
        if (choice == TChangedOnDisk::Cancel)
            return false;
        askName = choice == TChangedOnDisk::SaveAs;
    }
    if (askName && !AskSaveName(list))
        return false;
    auto job = std::make_shared<TListSaveJob>();
    std::string error;
    bool taken = false;
    {
        TBusyPointer busy(m_host);
        BeginListSnapshot(list, job->Snapshot);
        // The window waits without taking input while the records are read,
        // so the file holds them as they were now.
        m_host.RunAndWait("Saving " + ListName(list),
                          [&] { taken = TakeListContent(list.Data, job->Snapshot, error); });
    }
    if (!taken) {
        list.FileName = previousName;
        ShowSaveFailure(job->Snapshot.FileName, AsSentence(error));
        return false;
    }
    job->PreviousName = previousName;
    job->BackupsDir = BackupsDir;
    job->BackupCount = BackupCount;
    job->Now = ProcessFacts().Now();
    m_saving.insert(&list);
    TProject* target = &list;
    m_host.RunInBackground(
        "Saving " + ListName(list), [job] { RunListSaveJob(*job); },
        [this, target, job, then] {
            FinishSave(*target, *job);
            if (then)
                then(job->Result.Ok);
        });
    return true;
}

void TProgram::ShowSaveFailure(const std::string& fileName, const std::string& reason) {
    ShowMsg("The list could not be saved:||" + MarkupLiteral(fileName) + "||" + MarkupLiteral(reason) +
                "||The file on the disk was left as it was.",
            Msg::Error, Msg::Ok, Msg::Centre);
}

void TProgram::FinishSave(TProject& list, TListSaveJob& job) {
    m_saving.erase(&list);
    int index = -1;
    for (size_t i = 0; i < Lists.size(); ++i)
        if (Lists[i].get() == &list)
            index = static_cast<int>(i);
    // A list is closed only once its save has ended.
    assert(index >= 0);
    if (index < 0)
        return;
    if (!job.Result.Ok) {
        // The old name is back before the message lets the window repaint.
        list.FileName = job.PreviousName;
        ShowSaveFailure(job.Snapshot.FileName, job.Result.Reason);
        return;
    }
    list.SavedAt(job.Snapshot.State);
    // Saving under a new name does not add to the history: only opening a file does.
    TListGuard& guard = m_guards[&list];
    const bool overLock = guard.LockNotHonoured && list.FileName == job.PreviousName;
    GuardFile(guard, list, overLock ? TLockedOpen::Anyway : TLockedOpen::Edit, &job.Identity);
    // Changes made while the file was written stay in the journal, which
    // leads from the older file to them through the saved state.
    if (guard.Journal && list.Saved)
        guard.Journal->Restart(guard.Identity);
    OpenListsChanged();
    m_host.SetTabCaption(index, ListTabCaption(list));
    if (!job.BackupError.empty())
        ShowMsg("The list was saved, but its previous file could not be kept as a backup:||" +
                    MarkupLiteral(job.BackupError),
                Msg::Warning, Msg::Ok, Msg::Centre);
}

bool TProgram::CloseList(int index) {
    if (index < 0 || index >= static_cast<int>(Lists.size()))
        return false;
    // A list goes only once its file is whole.
    if (IsSaving(*Lists[static_cast<size_t>(index)]))
        m_host.WaitForBackgroundWork();
    if (!Lists[static_cast<size_t>(index)]->Saved) {
        int answer =
            ShowMsg("Save changes in list \"" + MarkupLiteral(ListName(*Lists[static_cast<size_t>(index)])) + "\"?",
                    Msg::Confirmation, Msg::Yes | Msg::No | Msg::Cancel, Msg::Centre);
        // Only an explicit No closes without saving; a dialog closed any other
        // way counts as Cancel.
        if (answer != Msg::ResultYes && answer != Msg::ResultNo)
            return false;
        // Over another's lock the user says where, however the save came.
        const bool overLock = m_guards[Lists[static_cast<size_t>(index)].get()].LockNotHonoured;
        if (answer == Msg::ResultYes && !SaveList(index, overLock))
            return false;
    }
    const int current = m_host.CurrentTab();
    ForgetGuard(*Lists[static_cast<size_t>(index)]);
    std::unique_ptr<TProject> closed = std::move(Lists[static_cast<size_t>(index)]);
    Lists.erase(Lists.begin() + index);
    OpenListsChanged();
    // Each way of showing the list builds its view: at a million bootlegs
    // that is worth doing once.
    bool shown = m_host.DeleteTab(index);
    if (!Lists.empty()) {
        const int last = static_cast<int>(Lists.size()) - 1;
        const int forward = current > last ? last : (current < 0 ? 0 : current);
        if (m_host.CurrentTab() != forward) {
            m_host.SetCurrentTab(forward);
            shown = true;
        }
    }
    if (!shown)
        m_host.RefreshView();
    // Giving back the records of a big list takes longer than a paint.
    m_host.RunAndWait("Closing " + ListName(*closed), [&closed] { closed.reset(); });
    return true;
}

bool TProgram::CloseAllForExit() {
    for (int i = static_cast<int>(Lists.size()) - 1; i >= 0; --i)
        if (!CloseList(i))
            return false;
    return true;
}

TProgram::~TProgram() {
    // The saves under way end first: they report back here.
    m_host.WaitForBackgroundWork();
    for (auto& entry : m_guards) {
        ReleaseGuard(entry.second);
        if (entry.second.Journal)
            entry.second.Journal->Remove();
    }
}

void TProgram::RecordsReplaced(TProject& list, const std::string& step, bool buildView) {
    // The journal starts from the whole list, compressed: long for a long list.
    TListGuard& guard = m_guards[&list];
    if (!guard.Journal && !buildView)
        return;
    m_host.RunAndWait("Opening " + ListName(list), [&] {
        if (guard.Journal)
            guard.Journal->RestartFromRecords(step);
        if (buildView)
            list.BuildViewAhead(Filter);
    });
}

TListGuard& TProgram::Guard(const TProject& list) {
    return m_guards[&list];
}

void TProgram::ForgetGuard(const TProject& list) {
    auto found = m_guards.find(&list);
    if (found == m_guards.end())
        return;
    ReleaseGuard(found->second);
    if (found->second.Journal)
        found->second.Journal->Remove();
    m_guards.erase(found);
}

TOutsideChange TProgram::CheckOutsideChange(int index) {
    if (index < 0 || index >= static_cast<int>(Lists.size()))
        return TOutsideChange::None;
    TProject& list = *Lists[static_cast<size_t>(index)];
    TListGuard& guard = m_guards[&list];
    // The file changes under a save by the save itself.
    if (IsSaving(list))
        return TOutsideChange::None;
    if (list.FileName.empty() || !FileChangedSince(guard.Identity, list.FileName))
        return TOutsideChange::None;
    // Nothing of the user's is lost by reading an unedited list again; a big
    // one reads longer than a paint, and its view is built on the way.
    TFileIdentity readFrom;
    bool readAgain = false;
    if (list.Saved && FileSystem().IsFile(list.FileName))
        m_host.RunAndWait("Reading " + ListName(list) + " again", [&] {
            readAgain = list.Load(&readFrom).Ok();
            if (readAgain)
                list.BuildViewAhead(Filter);
        });
    if (readAgain) {
        guard.Identity = readFrom;
        guard.ToldChanged = false;
        if (guard.Journal)
            guard.Journal->Restart(guard.Identity);
        return TOutsideChange::Reloaded;
    }
    if (guard.ToldChanged)
        return TOutsideChange::None;
    guard.ToldChanged = true;
    ShowMsg("The file of the list \"" + MarkupLiteral(ListName(list)) +
                "\" was changed on the disk by another program.||Your changes here are kept; saving will ask "
                "whether to overwrite the file.",
            Msg::Warning, Msg::Ok, Msg::Centre);
    return TOutsideChange::Told;
}

void TProgram::AddToHistory(const std::string& path) {
    History.Add(path);
    UpdateHistoryMenu();
    // A crash later must not cost the history: it is written now, not only at exit.
    std::string ignored;
    SaveSettings(ignored);
}

void TProgram::UpdateHistoryMenu() {
    m_host.SetHistoryMenu(
        ::UpdateHistoryMenu(History, [](const std::string& path) { return FileSystem().IsFile(path); }));
}
