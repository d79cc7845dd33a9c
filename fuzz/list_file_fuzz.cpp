// Feeds arbitrary bytes to the list file reader, as a file and as the
// uncompressed content of one.

#include "core/Deflate.h"
#include "core/ListFile.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    TArrayOfBootData records;
    TStringSource asFile(bytes, 1 + size % 97);
    ReadListFile(asFile, records);

    TStringSource asContent(CompressBytes(bytes, 1));
    TListReadResult result = ReadListFile(asContent, records);
    if (result.Ok()) {
        // What was read must survive a write and a second read unchanged.
        TStringSink again;
        std::string error;
        if (!WriteListFile(records, again, error))
            __builtin_trap();
        TArrayOfBootData reread;
        TStringSource back(again.Bytes);
        if (!ReadListFile(back, reread).Ok() || reread.size() != records.size())
            __builtin_trap();
    }
    return 0;
}
