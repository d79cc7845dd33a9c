#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The 8-bit code pages of lists, tour files and information texts written
// by older programs. A text that is valid UTF-8 is shown as such; any other
// is read in the legacy code page the user chose, one for the whole
// program as the desktop's code page once was. Every page gives each of
// its 256 bytes a character of its own (a byte the page leaves undefined
// stands for the C1 control of the same value), so no two texts of a page
// look alike and nothing read is lost.

// The value of each is its Windows code page number, which is what the
// settings store.
enum class TCodePage : int32_t {
    Windows1250 = 1250,
    Windows1251 = 1251,
    Windows1252 = 1252,
    Iso8859_1 = 28591,
    Iso8859_2 = 28592,
};

constexpr TCodePage kDefaultCodePage = TCodePage::Windows1250;

struct TCodePageInfo {
    TCodePage Page;
    const char* Name;   // "Windows-1250"
    const char* Script; // "Central European"
};

// Every page, in the order a menu offers them.
const std::vector<TCodePageInfo>& CodePages();
// False when `number` names none of CodePages().
bool CodePageOfNumber(int32_t number, TCodePage& page);

// The character of a byte in `page`.
char32_t CodePageChar(unsigned char byte, TCodePage page);
// Bytes of `page` as UTF-8.
std::string CodePageToUtf8(const std::string& bytes, TCodePage page);

TCodePage LegacyCodePage();
void SetLegacyCodePage(TCodePage page);

// Bytes as they are shown: unchanged when valid UTF-8, else read in the
// legacy code page.
std::string ShownUtf8(const std::string& bytes);
// The same, appended to `out` without a text of its own in between.
void AppendShownUtf8(std::string& out, std::string_view bytes);
