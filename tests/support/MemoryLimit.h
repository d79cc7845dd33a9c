#pragma once

#include "core/Deflate.h"

#include <cstdint>
#include <cstdio>
#include <string>

#include <sys/resource.h>
#include <unistd.h>

// Hostile lists and a cap on this process's memory, to see that running out
// of memory is reported and not fatal.

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

// A valid list file (version 13) announcing `count` records and holding
// `present` records of empty fields: 56 zero bytes each, which compress to
// almost nothing.
inline std::string ListBomb(int32_t count, size_t present) {
    std::string content(8 + 56 * present, '\0');
    const uint32_t n = static_cast<uint32_t>(count);
    const char head[8] = {13, 0, 0, 0, char(n & 0xFF), char(n >> 8 & 0xFF), char(n >> 16 & 0xFF), char(n >> 24)};
    content.replace(0, sizeof head, head, sizeof head);
    return CompressBytes(content, 1);
}

// Lets this process have `more` bytes of address space beyond what it has
// now; address sanitizer builds reserve terabytes and cannot be capped so.
inline bool LimitMemoryTo(size_t more) {
    long pages = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld", &pages) != 1)
            pages = 0;
        std::fclose(statm);
    }
    if (pages <= 0)
        return false;
    const rlim_t limit = static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + more;
    const rlimit cap{limit, limit};
    return ::setrlimit(RLIMIT_AS, &cap) == 0;
}
