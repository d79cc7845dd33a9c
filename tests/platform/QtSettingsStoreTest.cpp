#include "platform/QtSettingsStore.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(QtSettingsStore, ValuesSurviveTheFile) {
    TTempDir dir;
    const QString file = QString::fromStdString(dir.File("Korvalen.conf"));
    const std::string latin1 = "/lists/\xE9t\xE9.kvu"; // not UTF-8: kept as bytes
    {
        TQtSettingsStore store(file);
        store.WriteInt("MainLeft", -20);
        store.WriteStr("File1", "/lists/\xC3\xA9l\xC3\xA8ve.kvu");
        store.WriteStr("File2", latin1);
        store.WriteStr("ExportFile", "");
        std::string error;
        ASSERT_TRUE(store.Flush(error)) << error;
    }
    TQtSettingsStore store(file);
    int32_t number = 0;
    ASSERT_TRUE(store.ReadInt("MainLeft", number));
    EXPECT_EQ(number, -20);
    std::string text;
    ASSERT_TRUE(store.ReadStr("File1", text));
    EXPECT_EQ(text, "/lists/\xC3\xA9l\xC3\xA8ve.kvu");
    ASSERT_TRUE(store.ReadStr("File2", text));
    EXPECT_EQ(text, latin1);
    ASSERT_TRUE(store.ReadStr("ExportFile", text));
    EXPECT_EQ(text, "");
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
