#pragma once

#include "platform/SettingsStore.h"
#include "program/MessageKinds.h"
#include "program/ProgramFolders.h"

#include <functional>
#include <string>
#include <vector>

// What a program with no list open tells its user, and the samples an
// installed program brings: tour files and a list under
// <prefix>/share/korvalen/sample, offered once, at the first start, to be
// copied into the user's folders. A file of the user's is never replaced.

// The stored value that says the samples were offered.
extern const char* const kSamplesOfferedSetting;
// The sample list's file name, in the installed samples and in the user's Lists folder.
extern const char* const kSampleListName;

// What a link of the first-start text does.
enum class TFirstStartLink { NewList, OpenList, SampleList };

// A markup text whose underlined spans are its links, in the order of Links.
struct TFirstStartText {
    std::string Markup;
    std::vector<TFirstStartLink> Links;
};

// How to begin: create a list, open one, where tour files go (`toursDir`),
// and the sample list when there is one (`sampleList` not empty).
TFirstStartText FirstStartText(const std::string& toursDir, const std::string& sampleList);

// The user's copy of the sample list, else the installed one, else "".
std::string SampleListPath(const std::string& listsDir, const std::string& sampleFolder);

// <prefix>/share/korvalen/sample/ for <prefix>/bin/korvalen.
std::string InstalledSampleFolder(const std::string& exeName);

struct TSampleCopy {
    std::string From;
    std::string To;
};

// The installed tour files and lists, each with its place in the user's
// Tours or Lists folder; none when no samples are installed.
std::vector<TSampleCopy> SampleCopies(const std::string& sampleFolder, const std::string& toursDir,
                                      const std::string& listsDir);

// Offered only on a first start (nothing stored yet, the offer not made
// before) and only when some sample is not in the user's folders already.
bool ShouldOfferSamples(const ISettingsStore& store, const std::vector<TSampleCopy>& copies);

struct TSampleCopyResult {
    int Copied = 0;
    int Kept = 0;      // a file of that name was there already
    std::string Error; // the first failure, worded for the user
};

// Copies the samples whose place is free; goes on past a failure.
TSampleCopyResult CopySamples(const std::vector<TSampleCopy>& copies);

// `ask` and `tell` show a message as ShowMsg does and return its result.
using TAskUser =
    std::function<int(const std::string& text, Msg::TKind kind, Msg::TButtons buttons, Msg::TAlign alignment)>;

// Asks whether to copy the samples when ShouldOfferSamples says so,
// remembers at once that it asked, and copies them on Yes.
void OfferSamples(ISettingsStore& store, const TProgramFolders& folders, const std::string& sampleFolder,
                  const TAskUser& ask);
