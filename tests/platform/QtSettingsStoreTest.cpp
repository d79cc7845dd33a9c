#include "platform/QtSettingsStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(QtSettingsStore, ValuesSurviveTheFile) {
    TTempDir dir;
    const QString file = QString::fromStdString(dir.File("Korvalen.conf"));
    const std::pair<const char*, int32_t> numbers[] = {{"MainState", 3}, {"MainLeft", -20}};
    const std::pair<const char*, std::string> texts[] = {{"File1", "/lists/\xC3\xA9l\xC3\xA8ve.kvu"},
                                                         {"File2", "/lists/\xE9t\xE9.kvu"}, // not UTF-8: kept as bytes
                                                         {"ExportFile", ""},
                                                         {"Odd", "a=b;c|d [x]"}};
    {
        TQtSettingsStore store(file);
        for (const auto& [name, value] : numbers)
            store.WriteInt(name, value);
        for (const auto& [name, value] : texts)
            store.WriteStr(name, value);
        std::string error;
        ASSERT_TRUE(store.Flush(error)) << error;
    }
    TQtSettingsStore store(file);
    int32_t number = 0;
    for (const auto& [name, value] : numbers)
        EXPECT_TRUE(store.ReadInt(name, number) && number == value) << name << " " << number;
    std::string text;
    for (const auto& [name, value] : texts)
        EXPECT_TRUE(store.ReadStr(name, text) && text == value) << name << " " << text;
    EXPECT_FALSE(store.ReadInt("Missing", number));
    EXPECT_FALSE(store.ReadStr("Missing", text));
    EXPECT_FALSE(store.ReadInt("File1", number)); // a text is no number
}

TEST(QtSettingsStore, NumbersOutOfRangeOrMalformedAreMissing) {
    TTempDir dir;
    WriteBytes(dir.File("s.conf"), "[General]\nBig=99999999999\nHalf=1.5\nSpaced= 7 \n");
    TQtSettingsStore store(QString::fromStdString(dir.File("s.conf")));
    int32_t number = 0;
    EXPECT_FALSE(store.ReadInt("Big", number));
    EXPECT_FALSE(store.ReadInt("Half", number));
    EXPECT_TRUE(store.ReadInt("Spaced", number));
    EXPECT_EQ(number, 7);
}

TEST(QtSettingsStore, ADamagedFileThatIsRewrittenIsNoFailure) {
    TTempDir dir;
    const std::string path = dir.File("s.conf");
    WriteBytes(path, "[General\nMainLeft=5\n\x01\xff[[=\n");
    {
        TQtSettingsStore store(QString::fromStdString(path));
        store.WriteInt("MainLeft", 7);
        std::string error;
        EXPECT_TRUE(store.Flush(error)) << error;
    }
    TQtSettingsStore again(QString::fromStdString(path));
    int32_t number = 0;
    ASSERT_TRUE(again.ReadInt("MainLeft", number));
    EXPECT_EQ(number, 7);

    // Damaged and not writable: that is a failure, and said so.
    const std::string locked = dir.File("locked.conf");
    WriteBytes(locked, "[General\nMainLeft=5\n");
    TQtSettingsStore store(QString::fromStdString(locked));
    std::filesystem::remove(locked);
    std::filesystem::create_directory(locked); // nothing can be written in its place
    store.WriteInt("MainLeft", 9);
    std::string error;
    EXPECT_FALSE(store.Flush(error));
    EXPECT_NE(error.find("cannot be written"), std::string::npos) << error;
}
