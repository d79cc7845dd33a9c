#include "cli/CliSupport.h"

#include "core/Codes.h"
#include "core/ListLock.h"
#include "platform/FileSystem.h"

#include <charconv>
#include <ostream>

bool& ForceWrite() {
    static bool force = false;
    return force;
}

TProject LoadList(const std::string& path, int32_t* version) {
    TProject list;
    list.FileName = path;
    TListReadResult result = list.Load();
    if (result.Status == TListReadResult::TStatus::NewerVersion)
        throw TCliError{result.Reason};
    if (!result.Ok())
        throw TCliError{path + ": " + result.Reason};
    if (version)
        *version = result.Version;
    return list;
}

void SaveList(TProject& list, const std::string& path) {
    const TLockCheck lock = CheckListLock(path, ProcessFacts());
    if (lock.State == TLockState::Held && !ForceWrite())
        throw TCliError{path + ": the list is open in Korvalen by " +
                        LockHolderText(lock.Holder, ProcessFacts().Now()) +
                        "; nothing was written. --force writes over it anyway."};
    list.FileName = path;
    TSaveResult result = list.Save();
    if (!result.Ok)
        throw TCliError{path + ": " + result.Reason};
}

std::string ReadFileOrThrow(const std::string& path) {
    std::string bytes, error;
    if (!ReadWholeFile(path, bytes, error))
        throw TCliError{path + ": " + AsSentence(error)};
    return bytes;
}

int ParseColumn(const std::string& text, const std::string& what) {
    int column = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), column);
    if (ec != std::errc() || ptr != text.data() + text.size() || column < 1 || column > kPropertyCount)
        throw TCliError{what + " must be a number from 1 (Band) to 13 (Comment), not \"" + text + "\"."};
    return column;
}

namespace {

std::string FolderWithSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

} // namespace

TConcertLists LoadTours(const std::string& folder, std::ostream& err) {
    if (!FileSystem().IsFolder(folder))
        throw TCliError{folder + ": there is no such folder."};
    TConcertLists lists = LoadConcertLists(FolderWithSeparator(folder));
    if (!lists.FolderError.empty())
        throw TCliError{"korvalen-cli: " + lists.FolderError};
    for (const std::string& unreadable : lists.Unreadable)
        err << "korvalen-cli: skipped " << unreadable << "\n";
    return lists;
}

void PrintLines(const std::vector<std::string>& lines, std::ostream& out) {
    for (const std::string& line : lines)
        out << line << "\n";
}
