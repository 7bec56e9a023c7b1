// Loading the settings at start-up and saving them at exit, over the
// recorded in-memory files: what is read, deleted, written, or left alone.
#include <gtest/gtest.h>

#include <vector>

#include "platform_recorder.h"
#include "rules/board.h"
#include "settings/options.h"
#include "settings/settings_bytes.h"
#include "settings/settings_file.h"

namespace {

typedef std::vector<uint8_t> Bytes;

const char kFile[] = "Kivrano.ini";

Bytes FileOf(const Options& stored) {
    Bytes file(kSettingsFileSize);
    EncodeSettings(stored, file.data());
    return file;
}

Options Stored(int32_t windowX, int32_t windowY, int32_t sizeRecord, int32_t windowHeight) {
    Options stored = kDefaultOptions;
    stored.windowX = windowX;
    stored.windowY = windowY;
    stored.sizeIndex = sizeRecord;
    stored.windowHeight = windowHeight;
    return stored;
}

// Options that differ from the defaults in every field.
const Options kUnusual = {0, 1, 2, 0, 1, 1, 0, 0, 0, 1234, 7, 4, 900};

void ExpectOptions(const Options& expected) {
    EXPECT_EQ(expected.level, options.level);
    EXPECT_EQ(expected.computerColour, options.computerColour);
    EXPECT_EQ(expected.gameMode, options.gameMode);
    EXPECT_EQ(expected.speed, options.speed);
    EXPECT_EQ(expected.allowDoubleThree, options.allowDoubleThree);
    EXPECT_EQ(expected.continuousPlay, options.continuousPlay);
    EXPECT_EQ(expected.markPrevious, options.markPrevious);
    EXPECT_EQ(expected.sound, options.sound);
    EXPECT_EQ(expected.statusBar, options.statusBar);
    EXPECT_EQ(expected.windowX, options.windowX);
    EXPECT_EQ(expected.windowY, options.windowY);
    EXPECT_EQ(expected.sizeIndex, options.sizeIndex);
    EXPECT_EQ(expected.windowHeight, options.windowHeight);
}

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetPlatformRecord();
        options = kUnusual;
        options.windowHeight = 321;
        for (int i = 0; i < kBoardCells; i++) Board[i][0] = Board[0][i] = Board[i][20] = Board[20][i] = Empty;
    }
    static bool WallRingIsSet() {
        for (int i = 0; i < kBoardCells; i++)
            if (Board[i][0] != Wall || Board[0][i] != Wall || Board[i][20] != Wall || Board[20][i] != Wall)
                return false;
        return true;
    }
    static void ExpectDefaultsKeepingHeight(int32_t height) {
        Options expected = kDefaultOptions;
        expected.windowHeight = height;
        ExpectOptions(expected);
    }
};

TEST_F(SettingsFileTest, MissingFileGivesTheDefaultsAndTheWallRing) {
    LoadSettings();
    ExpectDefaultsKeepingHeight(321);
    EXPECT_EQ(kDefaultWindowPosition, options.windowX);
    EXPECT_EQ(2, options.sizeIndex);
    EXPECT_TRUE(WallRingIsSet());
    EXPECT_TRUE(platformRecord.filesDeleted.empty());
    EXPECT_TRUE(platformRecord.filesWritten.empty());
}

TEST_F(SettingsFileTest, StoredValuesLoadExactlyAndTheFileIsLeftAlone) {
    const Options cases[] = {
        kUnusual,
        Stored(-40, 50, 2, 644),
        Stored(100, 50, 700, 480),  // a Free window 700 wide
        Stored(kDefaultWindowPosition, kDefaultWindowPosition, 0, -1),
    };
    for (const Options& stored : cases) {
        SCOPED_TRACE(stored.windowX);
        SetUp();
        platformRecord.files[kFile] = FileOf(stored);
        LoadSettings();
        ExpectOptions(stored);
        EXPECT_TRUE(WallRingIsSet());
        EXPECT_TRUE(platformRecord.filesDeleted.empty());
        EXPECT_TRUE(platformRecord.filesWritten.empty());
    }
}

TEST_F(SettingsFileTest, UnusableFileIsDeletedAndTheDefaultsUsed) {
    Bytes whole = FileOf(kUnusual);
    Bytes otherVersion = whole;
    otherVersion[1] = 47;
    Bytes otherMagic = whole;
    otherMagic[0] = 0;
    const Bytes cases[] = {
        otherVersion,
        otherMagic,
        Bytes(whole.begin(), whole.end() - 1),   // right header, one byte short
        Bytes(whole.begin(), whole.begin() + 11),
        Bytes(whole.begin(), whole.begin() + 2),
        Bytes(whole.begin(), whole.begin() + 1),
        Bytes(),
    };
    for (const Bytes& file : cases) {
        SCOPED_TRACE(file.size());
        SetUp();
        platformRecord.files[kFile] = file;
        LoadSettings();
        ExpectDefaultsKeepingHeight(321);
        EXPECT_EQ(std::vector<std::string>{kFile}, platformRecord.filesDeleted);
        EXPECT_EQ(0u, platformRecord.files.count(kFile));
        EXPECT_TRUE(WallRingIsSet());
    }
}

TEST_F(SettingsFileTest, OutOfRangeValuesFallBackOneByOne) {
    Options stored = kUnusual;
    stored.speed = 7;
    stored.gameMode = 9;
    stored.computerColour = 9;
    stored.level = -1;  // the byte FF
    stored.sizeIndex = -3;
    platformRecord.files[kFile] = FileOf(stored);
    LoadSettings();
    Options expected = kUnusual;
    expected.speed = 1;
    expected.gameMode = 1;
    expected.computerColour = 2;
    expected.level = 1;
    expected.sizeIndex = 2;
    ExpectOptions(expected);
    EXPECT_TRUE(platformRecord.filesDeleted.empty());

    // At exit the file differs from what is in use, and is put right.
    SaveSettings(options.windowX, options.windowY, options.sizeIndex, options.windowHeight);
    EXPECT_EQ(FileOf(expected), platformRecord.files[kFile]);
}

TEST_F(SettingsFileTest, FirstExitWritesTheWholeFile) {
    LoadSettings();
    SaveSettings(100, 50, 2, 644);
    EXPECT_EQ(std::vector<std::string>{kFile}, platformRecord.filesWritten);
    const Bytes expected = {
        0x01, 0x2E, 0x01, 0x02, 0x01, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01,
        0x31, 0x30, 0x30, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01,
        0x35, 0x30, 0x00, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01,
        0x32, 0x00, 0x00, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01,
        0x36, 0x34, 0x34, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01,
    };
    EXPECT_EQ(expected, platformRecord.files[kFile]);
    // Saving changes nothing in memory.
    ExpectDefaultsKeepingHeight(321);
}

TEST_F(SettingsFileTest, ExitWritesOnlyWhenSomethingChanged) {
    struct Case {
        const char* what;
        Options stored;
        int32_t x, y, sizeRecord, height;
        bool optionChanged;
        bool written;
    };
    const Case cases[] = {
        {"same fixed window", Stored(100, 50, 2, 644), 100, 50, 2, 644, false, false},
        {"fixed window, other height", Stored(100, 50, 2, 644), 100, 50, 2, 700, false, false},
        {"same Free window", Stored(100, 50, 700, 480), 100, 50, 700, 480, false, false},
        {"Free window, other height", Stored(100, 50, 700, 480), 100, 50, 700, 481, false, true},
        {"Free window, other width", Stored(100, 50, 700, 480), 100, 50, 701, 480, false, true},
        {"moved left", Stored(100, 50, 2, 644), -40, 50, 2, 644, false, true},
        {"moved down", Stored(100, 50, 2, 644), 100, 51, 2, 644, false, true},
        {"fixed to Free", Stored(100, 50, 2, 644), 100, 50, 588, 644, false, true},
        {"an option", Stored(100, 50, 2, 644), 100, 50, 2, 644, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        platformRecord.files[kFile] = FileOf(c.stored);
        LoadSettings();
        if (c.optionChanged) options.speed = 0;
        SaveSettings(c.x, c.y, c.sizeRecord, c.height);
        EXPECT_EQ(c.written ? 1u : 0u, platformRecord.filesWritten.size());
        Options now = options;
        now.windowX = c.x;
        now.windowY = c.y;
        now.sizeIndex = c.sizeRecord;
        now.windowHeight = c.height;
        EXPECT_EQ(c.written ? FileOf(now) : FileOf(c.stored), platformRecord.files[kFile]);
    }
}

TEST_F(SettingsFileTest, ShortFileAtExitIsRewritten) {
    LoadSettings();
    Bytes whole = FileOf(Stored(100, 50, 2, 644));
    platformRecord.files[kFile] = Bytes(whole.begin(), whole.end() - 1);
    SaveSettings(100, 50, 2, 644);
    EXPECT_EQ(whole, platformRecord.files[kFile]);
}

TEST_F(SettingsFileTest, FailedWriteAtExitIsIgnored) {
    platformRecord.files[kFile] = FileOf(kUnusual);
    LoadSettings();
    options.sound = 1;
    platformRecord.failWrites = true;
    SaveSettings(5, 6, 3, 700);
    EXPECT_EQ(1u, platformRecord.filesWritten.size());
    EXPECT_EQ(FileOf(kUnusual), platformRecord.files[kFile]);
    EXPECT_EQ(1, options.sound);
    EXPECT_EQ(kUnusual.windowX, options.windowX);
}

TEST_F(SettingsFileTest, WindowLeftOfTheScreenComesBack) {
    LoadSettings();
    SaveSettings(-40, 50, 2, 644);
    const Bytes& file = platformRecord.files[kFile];
    EXPECT_EQ((Bytes{0x2D, 0x34, 0x30, 0x00}), Bytes(file.begin() + 11, file.begin() + 15));
    options = kUnusual;
    LoadSettings();
    EXPECT_EQ(-40, options.windowX);
}

}  // namespace
