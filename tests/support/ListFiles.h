#pragma once

#include "core/Project.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Writes a list file of these records, as another run of the program would.
inline void SaveListFile(const std::string& path, const std::vector<TBootData>& records) {
    TProject list;
    list.FileName = path;
    list.Data.assign(records.begin(), records.end());
    const TSaveResult result = list.Save();
    ASSERT_TRUE(result.Ok) << result.Reason;
}

inline TProject LoadListFile(const std::string& path) {
    TProject list;
    list.FileName = path;
    const TListReadResult result = list.Load();
    EXPECT_TRUE(result.Ok()) << result.Reason;
    return list;
}
