#include "program/ListGuards.h"

#include "controls/markup/MarkupLiteral.h"
#include "core/ListLock.h"
#include "core/Project.h"

TLockedOpen AskLockedOpen(IProgramHost& host, const std::string& fileName, const std::string& name) {
    IProcessFacts& facts = ProcessFacts();
    const TLockCheck check = CheckListLock(fileName, facts);
    if (check.State != TLockState::Held)
        return TLockedOpen::Edit;
    const int answer = host.ShowMsg(
        "The list \"" + MarkupLiteral(name) + "\" is open in Korvalen by " +
            MarkupLiteral(LockHolderText(check.Holder, facts.Now())) +
            ".||Open it read-only? (Save As still works.)||No opens it for editing anyway: saving it then may "
            "overwrite the other's changes.",
        Msg::Confirmation, Msg::Yes | Msg::No | Msg::Cancel, Msg::Centre);
    if (answer == Msg::ResultYes)
        return TLockedOpen::ReadOnly;
    return answer == Msg::ResultNo ? TLockedOpen::Anyway : TLockedOpen::Cancel;
}

void GuardFile(TListGuard& guard, TProject& list, TLockedOpen mode, const TFileIdentity* readFrom) {
    guard.Identity = readFrom ? *readFrom : IdentifyFile(list.FileName);
    guard.ToldChanged = false;
    list.ReadOnly = mode == TLockedOpen::ReadOnly;
    if (guard.LockedFile == list.FileName || mode != TLockedOpen::Edit) {
        guard.LockNotHonoured = mode == TLockedOpen::Anyway;
        return;
    }
    ReleaseGuard(guard);
    std::string ignored; // a read-only folder still opens
    if (TakeListLock(list.FileName, ProcessFacts(), ignored)) {
        guard.LockedFile = list.FileName;
        guard.LockNotHonoured = false;
    } else {
        guard.LockNotHonoured = true;
    }
}

void ReleaseGuard(TListGuard& guard) {
    if (!guard.LockedFile.empty())
        ReleaseListLock(guard.LockedFile, ProcessFacts());
    guard.LockedFile.clear();
}

TChangedOnDisk AskChangedOnDisk(IProgramHost& host, const std::string& name) {
    // The default answer keeps both: the other program's file and these changes.
    const int answer = host.ShowMsg("The file of the list \"" + MarkupLiteral(name) +
                                        "\" was changed on the disk by another program since it was opened or "
                                        "saved here.||Save the list under another name?||No overwrites those "
                                        "changes.",
                                    Msg::Warning, Msg::Yes | Msg::No | Msg::Cancel, Msg::Centre);
    if (answer == Msg::ResultYes)
        return TChangedOnDisk::SaveAs;
    return answer == Msg::ResultNo ? TChangedOnDisk::Overwrite : TChangedOnDisk::Cancel;
}
