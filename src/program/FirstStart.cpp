#include "program/FirstStart.h"

#include "controls/markup/MarkupLiteral.h"
#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"
#include "platform/PathName.h"

#include <algorithm>

const char* const kSamplesOfferedSetting = "SamplesOffered";
const char* const kSampleListName = "Sample list.kvu";

namespace {

// Written by every run that ended, so a store that holds it is not new.
const char* const kAlwaysWritten = "Path";

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

void AddCopies(const std::string& from, const std::string& to, const std::string& extension,
               std::vector<TSampleCopy>& copies) {
    std::vector<std::string> names;
    std::string error;
    if (!FileSystem().ListFolder(from, names, error))
        return;
    std::sort(names.begin(), names.end());
    for (const std::string& name : names)
        if (EndsWith(name, extension) && FileSystem().IsFile(from + name))
            copies.push_back({from + name, to + name});
}

} // namespace

TFirstStartText FirstStartText(const std::string& toursDir, const std::string& sampleList) {
    TFirstStartText text;
    text.Markup = "|b No list is open.|f ||||"
                  "|l Create a new list|f  (Ctrl+N) and type your bootlegs into it, one row each.||"
                  "|l Open a list|f  (Ctrl+O) that you keep in a .kvu file.||";
    text.Links = {TFirstStartLink::NewList, TFirstStartLink::OpenList};
    if (!sampleList.empty()) {
        text.Markup += "|l Open the sample list|f  to look around first.||";
        text.Links.push_back(TFirstStartLink::SampleList);
    }
    text.Markup += "||Tour files, one text file per band with its tours and concerts, go in the folder||" +
                   MarkupLiteral(toursDir);
    return text;
}

std::string SampleListPath(const std::string& listsDir, const std::string& sampleFolder) {
    for (const std::string& path : {listsDir + kSampleListName, sampleFolder + "Lists/" + kSampleListName})
        if (FileSystem().IsFile(path))
            return path;
    return {};
}

std::string InstalledSampleFolder(const std::string& exeName) {
    std::string exeDir = FolderPart(exeName);
    if (exeDir.empty())
        exeDir = "./";
    return exeDir + "../share/korvalen/sample/";
}

std::vector<TSampleCopy> SampleCopies(const std::string& sampleFolder, const std::string& toursDir,
                                      const std::string& listsDir) {
    std::vector<TSampleCopy> copies;
    AddCopies(sampleFolder + "Tours/", toursDir, ".txt", copies);
    AddCopies(sampleFolder + "Lists/", listsDir, ".kvu", copies);
    return copies;
}

bool ShouldOfferSamples(const ISettingsStore& store, const std::vector<TSampleCopy>& copies) {
    std::string stored;
    int32_t offered = 0;
    if (store.ReadStr(kAlwaysWritten, stored) || store.ReadInt(kSamplesOfferedSetting, offered))
        return false;
    return std::any_of(copies.begin(), copies.end(),
                       [](const TSampleCopy& copy) { return !FileSystem().IsFile(copy.To); });
}

TSampleCopyResult CopySamples(const std::vector<TSampleCopy>& copies) {
    TSampleCopyResult result;
    for (const TSampleCopy& copy : copies) {
        // Anything of that name, even a folder, is the user's.
        if (FileSystem().IsFile(copy.To) || FileSystem().IsFolder(copy.To)) {
            ++result.Kept;
            continue;
        }
        std::string bytes, error;
        if (ReadWholeFile(copy.From, bytes, error) && WriteFileAtomically(copy.To, bytes, error))
            ++result.Copied;
        else if (result.Error.empty())
            result.Error = copy.To + ": " + error;
    }
    return result;
}

void OfferSamples(ISettingsStore& store, const TProgramFolders& folders, const std::string& sampleFolder,
                  const TAskUser& ask) {
    const std::vector<TSampleCopy> copies = SampleCopies(sampleFolder, folders.ToursDir, folders.ListsDir);
    if (!ShouldOfferSamples(store, copies))
        return;
    WriteBoolValue(store, kSamplesOfferedSetting, true);
    std::string error;
    store.Flush(error); // at worst the offer comes once more
    const int answer = ask("Korvalen comes with sample tour files and a sample list. Copy them into your folders?||" +
                               MarkupLiteral(folders.ProgramDir) + "||Files of yours are never replaced.",
                           Msg::Confirmation, Msg::Yes | Msg::No, Msg::Centre);
    if (answer != Msg::ResultYes)
        return;
    CreateMissingFolders(folders);
    const TSampleCopyResult result = CopySamples(copies);
    if (!result.Error.empty())
        ask("Not every sample could be copied:||" + MarkupLiteral(AsSentence(result.Error)), Msg::Warning, Msg::Ok,
            Msg::Centre);
}
