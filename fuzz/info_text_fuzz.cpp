// Feeds arbitrary bytes, as an information text file holds them, to the way
// the information window shows them: in every legacy code page the text
// shown is valid UTF-8, a valid UTF-8 file is shown as it is, and an 8-bit
// one gives one character per byte, each byte its own (nothing read is lost).

#include "platform/CodePage.h"
#include "platform/Utf8.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const bool utf8 = IsValidUtf8(bytes);
    for (const TCodePageInfo& info : CodePages()) {
        SetLegacyCodePage(info.Page);
        const std::string shown = ShownUtf8(bytes);
        if (!IsValidUtf8(shown) || (utf8 && shown != bytes))
            __builtin_trap();
        if (utf8)
            continue;
        std::string again;
        for (unsigned char byte : bytes)
            again += EncodeUtf8(CodePageChar(byte, info.Page));
        if (again != shown)
            __builtin_trap();
    }
    return 0;
}
