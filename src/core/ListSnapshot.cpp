#include "core/ListSnapshot.h"

#include "core/Deflate.h"
#include "core/ListFile.h"
#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"

bool TakeListSnapshot(TProject& list, TListSnapshot& snapshot, std::string& error) {
    BeginListSnapshot(list, snapshot);
    return TakeListContent(list.Data, snapshot, error);
}

void BeginListSnapshot(TProject& list, TListSnapshot& snapshot) {
    list.UndoSteps.Commit(list.Data, std::string()); // nothing may stay open across a save
    snapshot.FileName = list.FileName;
    snapshot.State = list.UndoSteps.StateMark();
}

bool TakeListContent(const TArrayOfBootData& records, TListSnapshot& snapshot, std::string& error) {
    return MakeListContent(records, snapshot.Content, error);
}

TSaveResult WriteListSnapshot(TListSnapshot& snapshot, TFileIdentity* written) {
    std::string packed, error;
    if (!DeflateBytes(snapshot.Content.Data(), snapshot.Content.Size(), kDeflateLevel, packed, error))
        return {false, error};
    snapshot.Content.Clear(); // not needed while the file is written
    TAtomicFile file(snapshot.FileName);
    if (!file.Open() || !file.Write(packed.data(), packed.size()) || !file.Commit())
        return {false, AsSentence(file.Error())};
    if (written)
        *written = IdentifyWrittenBytes(StampOfFile(snapshot.FileName), packed.data(), packed.size());
    return {true, {}};
}
