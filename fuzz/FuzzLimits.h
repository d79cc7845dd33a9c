#pragma once

#include <cstdint>

// Every input must take well under the fuzzer's time limit, also with the
// sanitizers: a run-length bitmap of a hundred bytes may rightly claim the
// largest picture, whose pixels alone take seconds to fill there.
constexpr uint64_t kFuzzMaxPixels = 4ull * 1000 * 1000;
