#include "program/FirstStart.h"

#include "controls/markup/MarkupParse.h"
#include "program/ProgramHost.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

void Put(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    WriteBytes(path, bytes);
}

// An installed program's samples and a user's folders in a temporary folder.
class TSampleHome {
public:
    explicit TSampleHome(bool installed) {
        Folders.ProgramDir = Dir.File("home/");
        Folders.ToursDir = Folders.ProgramDir + "Tours/";
        Folders.ListsDir = Folders.ProgramDir + "Lists/";
        Folders.CoversDir = Folders.ProgramDir + "Covers/";
        Folders.ExeName = Dir.File("usr/bin/korvalen");
        Sample = InstalledSampleFolder(Folders.ExeName);
        if (!installed)
            return;
        Put(Sample + "Tours/Can.txt", "Can tours\r\n|bytes\xFF");
        Put(Sample + "Tours/Yes.txt", "Yes tours");
        Put(Sample + "Tours/notes.md", "not a tour file");
        Put(Sample + "Lists/" + kSampleListName, std::string("KVU\0\x01", 5));
    }
    std::vector<TSampleCopy> Copies() const { return SampleCopies(Sample, Folders.ToursDir, Folders.ListsDir); }

    TTempDir Dir;
    TProgramFolders Folders;
    std::string Sample;
};

struct TOfferCase {
    const char* Name;
    bool Installed;
    bool Stored;        // a run has ended before
    bool OfferedBefore; // the offer was made, the run did not end
    int UsersCopies;    // of the three samples
    bool Offered;
};

class FirstStartOffer : public ::testing::TestWithParam<TOfferCase> {};

TEST_P(FirstStartOffer, IsMadeOnlyOnAFirstStartWithSamplesMissing) {
    const TOfferCase& c = GetParam();
    TSampleHome home(c.Installed);
    TMemorySettingsStore store;
    if (c.Stored)
        store.Values["Path"] = home.Folders.ProgramDir;
    if (c.OfferedBefore)
        store.Values[kSamplesOfferedSetting] = 1;
    const std::vector<TSampleCopy> copies = home.Copies();
    ASSERT_EQ(copies.size(), c.Installed ? 3u : 0u);
    for (int i = 0; i < c.UsersCopies; ++i)
        Put(copies[static_cast<size_t>(i)].To, "mine");
    EXPECT_EQ(ShouldOfferSamples(store, copies), c.Offered);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, FirstStartOffer, ::testing::Values(
    TOfferCase{"first start", true, false, false, 0, true},
    TOfferCase{"some samples already copied", true, false, false, 2, true},
    TOfferCase{"every sample already there", true, false, false, 3, false},
    TOfferCase{"nothing installed", false, false, false, 0, false},
    TOfferCase{"settings stored", true, true, false, 0, false},
    TOfferCase{"asked before", true, false, true, 0, false}),
    [](const auto& info) {
        std::string name = info.param.Name;
        for (char& c : name)
            if (c == ' ')
                c = '_';
        return name;
    });
// clang-format on

TEST(FirstStart, YesCopiesTheMissingSamplesByteForByteAndKeepsTheUsersFiles) {
    TSampleHome home(true);
    Put(home.Folders.ToursDir + "Can.txt", "my own Can");
    TMemorySettingsStore store;
    int asked = 0;
    const TAskUser yes = [&](const std::string& text, Msg::TKind kind, Msg::TButtons buttons, Msg::TAlign) {
        ++asked;
        EXPECT_NE(text.find(home.Folders.ProgramDir), std::string::npos) << text;
        EXPECT_EQ(kind, Msg::Confirmation);
        EXPECT_EQ(buttons, Msg::Yes | Msg::No);
        return Msg::ResultYes;
    };
    OfferSamples(store, home.Folders, home.Sample, yes);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(ReadBytes(home.Folders.ToursDir + "Can.txt"), "my own Can");
    EXPECT_EQ(ReadBytes(home.Folders.ToursDir + "Yes.txt"), "Yes tours");
    EXPECT_EQ(ReadBytes(home.Folders.ListsDir + kSampleListName), std::string("KVU\0\x01", 5));
    EXPECT_FALSE(std::filesystem::exists(home.Folders.ToursDir + "notes.md"));

    // Asked once: the next start is no first start, even before a run ends.
    std::filesystem::remove(home.Folders.ToursDir + "Yes.txt");
    OfferSamples(store, home.Folders, home.Sample, yes);
    EXPECT_EQ(asked, 1);
}

TEST(FirstStart, NoCopiesNothingAndIsRemembered) {
    TSampleHome home(true);
    TMemorySettingsStore store;
    OfferSamples(store, home.Folders, home.Sample,
                 [](const std::string&, Msg::TKind, Msg::TButtons, Msg::TAlign) { return Msg::ResultNo; });
    EXPECT_FALSE(std::filesystem::exists(home.Folders.ToursDir + "Yes.txt"));
    EXPECT_FALSE(ShouldOfferSamples(store, home.Copies()));
}

TEST(FirstStart, TheTextLinksItsUnderlinedSpansAndShowsTheToursFolderAsItIs) {
    const std::string tours = "/home/a|b/Tours/";
    for (bool sample : {false, true}) {
        const TFirstStartText text = FirstStartText(tours, sample ? "/x/Sample list.kvu" : "");
        std::vector<TFirstStartLink> expected{TFirstStartLink::NewList, TFirstStartLink::OpenList};
        if (sample)
            expected.push_back(TFirstStartLink::SampleList);
        EXPECT_EQ(text.Links, expected);
        size_t underlines = 0;
        for (const TWord& w : ParseMarkup(NormaliseLineBreaks(text.Markup)))
            underlines += w.Kind == ItemKind::UnderlineOn;
        EXPECT_EQ(underlines, expected.size());
        EXPECT_NE(text.Markup.find("/home/a|s| b/Tours/"), std::string::npos);
        EXPECT_NE(text.Markup.find("(Ctrl+N)"), std::string::npos);
        EXPECT_NE(text.Markup.find("(Ctrl+O)"), std::string::npos);
    }
}

TEST(FirstStart, TheSampleListIsTheUsersCopyElseTheInstalledOne) {
    TSampleHome home(true);
    const std::string installed = home.Sample + "Lists/" + kSampleListName;
    EXPECT_EQ(SampleListPath(home.Folders.ListsDir, home.Sample), installed);
    Put(home.Folders.ListsDir + kSampleListName, "copy");
    EXPECT_EQ(SampleListPath(home.Folders.ListsDir, home.Sample), home.Folders.ListsDir + kSampleListName);
    TSampleHome bare(false);
    EXPECT_EQ(SampleListPath(bare.Folders.ListsDir, bare.Sample), "");
    EXPECT_EQ(InstalledSampleFolder("/usr/bin/korvalen"), "/usr/bin/../share/korvalen/sample/");
}

} // namespace
