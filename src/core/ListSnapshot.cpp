#include "core/ListSnapshot.h"

#include "core/DeflateWriter.h"
#include "core/ListFile.h"
#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"

bool TakeListSnapshot(TProject& list, TListSnapshot& snapshot, std::string& error) {
    list.UndoSteps.Commit(list.Data, std::string()); // nothing may stay open across a save
    snapshot.FileName = list.FileName;
    snapshot.State = list.UndoSteps.StateMark();
    TStringSink content;
    content.Bytes.reserve(ListContentSize(list.Data));
    if (!WriteListContent(list.Data, content, error))
        return false;
    snapshot.Content = std::move(content.Bytes);
    return true;
}

TSaveResult WriteListSnapshot(TListSnapshot& snapshot, TFileIdentity* written) {
    std::string packed, error;
    if (!DeflateBytes(snapshot.Content.data(), snapshot.Content.size(), kDeflateLevel, packed, error))
        return {false, error};
    std::string().swap(snapshot.Content); // not needed while the file is written
    TAtomicFile file(snapshot.FileName);
    if (!file.Open() || !file.Write(packed.data(), packed.size()) || !file.Commit())
        return {false, AsSentence(file.Error())};
    if (written)
        *written = IdentifyWrittenBytes(StampOfFile(snapshot.FileName), packed.data(), packed.size());
    return {true, {}};
}
