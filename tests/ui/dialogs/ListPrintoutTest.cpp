#include "ui/dialogs/ListPrintout.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>

namespace {

// The text of a PDF as pdftotext reads it, pages parted by form feeds.
std::vector<std::string> PdfPages(const std::string& path) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(("pdftotext -layout '" + path + "' - 2>&1").c_str(), "r"), pclose);
    std::string text;
    char buffer[65536];
    for (size_t got; pipe && (got = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;)
        text.append(buffer, got);
    std::vector<std::string> pages(1);
    for (char c : text)
        if (c == '\f')
            pages.emplace_back();
        else
            pages.back() += c;
    if (pages.back().empty())
        pages.pop_back();
    return pages;
}

std::string Padded(int number) {
    char text[16];
    std::snprintf(text, sizeof text, "%05d", number);
    return text;
}

TEST(ListPrintout, APdfOfAThousandRowsHoldsEveryRowAndTheCaptionsOnEveryPage) {
    if (std::system("pdftotext -v > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    TArrayOfBootData data(1000);
    std::vector<int32_t> view;
    for (int i = 0; i < 1000; ++i) {
        data[static_cast<size_t>(i)].Band = i < 500 ? "Yes" : "Can";
        data[static_cast<size_t>(i)].Date = "1974.12.01";
        data[static_cast<size_t>(i)].Name = "Night " + Padded(i);
        data[static_cast<size_t>(i)].City = "\xC5\x81\xC3\xB3\x64\xC5\xBA";
        view.push_back(i);
    }
    std::vector<TBand> bands(1);
    bands[0].Name = "Yes";
    bands[0].Tours.push_back({"Relayer", "1974", "1975", 0, false, {}});
    const TStrings2 names;
    TListPrintout printout({data, view, bands, names}, {true, true}, "My list");
    std::string bytes, error;
    ASSERT_TRUE(PrintoutPdf(printout, bytes, error)) << error;
    TTempDir dir;
    const std::string path = dir.File("list.pdf");
    ASSERT_TRUE(std::ofstream(path, std::ios::binary) << bytes);

    const std::vector<std::string> pages = PdfPages(path);
    ASSERT_EQ(pages.size(), printout.PageCount());
    ASSERT_GT(pages.size(), 10u);
    std::string all;
    for (size_t p = 0; p < pages.size(); ++p) {
        for (const char* caption : {"Band", "Date", "City", "Boootleg name", "Source", "Comment"})
            EXPECT_NE(pages[p].find(caption), std::string::npos) << caption << " on page " << p + 1;
        const std::string footer = "Page " + std::to_string(p + 1) + " of " + std::to_string(pages.size());
        EXPECT_NE(pages[p].find(footer), std::string::npos) << footer;
        EXPECT_NE(pages[p].find("My list"), std::string::npos) << "page " << p + 1;
        all += pages[p];
    }
    size_t from = 0;
    for (int i = 0; i < 1000; ++i) {
        const size_t at = all.find("Night " + Padded(i), from);
        ASSERT_NE(at, std::string::npos) << "row " << i << " in its place";
        from = at;
    }
    EXPECT_NE(all.find("Yes - Relayer"), std::string::npos);
    EXPECT_NE(all.find("\xC5\x81\xC3\xB3\x64\xC5\xBA"), std::string::npos);
    EXPECT_LT(all.find("Yes - Relayer"), all.find("Night 00000"));
    EXPECT_LT(all.find("Night 00499"), all.find("\nCan"));
}

} // namespace
