// The settings file: its bytes, the ranges, start-up and exit over recorded in-memory files.
#include <gtest/gtest.h>

#include <string.h>

#include "platform_recorder.h"
#include "rules/board.h"
#include "settings/settings_bytes.h"

typedef std::vector<uint8_t> Bytes;
const struct { const char* name; int32_t Options::*field; } kFields[] = {{"level", &Options::level},
    {"computerColour", &Options::computerColour}, {"gameMode", &Options::gameMode},
    {"speed", &Options::speed},
    {"allowDoubleThree", &Options::allowDoubleThree}, {"continuousPlay", &Options::continuousPlay},
    {"markPrevious", &Options::markPrevious}, {"sound", &Options::sound}, {"statusBar", &Options::statusBar},
    {"windowX", &Options::windowX}, {"windowY", &Options::windowY}, {"sizeIndex", &Options::sizeIndex},
    {"windowHeight", &Options::windowHeight}};
const int kFirstOnOff = 4, kLastOnOff = 8;  // allowDoubleThree .. statusBar, file bytes 6..10

const Options kUnusual = {0, 1, 2, 0, 1, 1, 0, 0, 0, 1234, 7, 4, 900};  // no field at its default

// The defaults (written out, so a changed default shows) with a window.
Options Stored(int32_t x, int32_t y, int32_t sizeRecord, int32_t height) {
    return {1, 2, 1, 1, 0, 0, 1, 1, 1, x, y, sizeRecord, height};
}
Bytes FileOf(const Options& stored) {
    Bytes file(kSettingsFileSize);
    EncodeSettings(stored, file.data());
    return file;
}

// Each field that differs, by name, with expected and got; empty when all are equal.
std::string Differences(const Options& expected, const Options& got) {
    std::string text;
    for (const auto& f : kFields)
        if (expected.*f.field != got.*f.field)
            text += std::string(f.name) + " expected " + std::to_string(expected.*f.field) + ", got " +
                    std::to_string(got.*f.field) + "; ";
    return text;
}

// Records byte for byte (a whole default file is checked on Windows): the four texts at 11-byte steps,
// 7 after 1234 keeping the "34" after its NUL; option bytes are their low bytes in field order, read back
// signed (on/off options as 1 for any byte but 0).
TEST(SettingsBytes, RecordsByteForByte) {
    const Bytes overlap = FileOf(Stored(1234, 7, 2, 644));
    std::string texts;
    for (int r = 1; r <= 4; r++) texts += (const char*)&overlap[11 * r] + std::string(" ");
    EXPECT_EQ("1234 7 2 644 ", texts);
    EXPECT_EQ((Bytes{0x37, 0x00, 0x33, 0x34, 0x00, 0x01}), Bytes(overlap.begin() + 22, overlap.begin() + 28));
    const Bytes file = FileOf({255, 128, 127, 0x107, 1, 0, 2, -1, 3, 0, 0, 2, 0});
    EXPECT_EQ((Bytes{1, 46, 0xFF, 0x80, 0x7F, 0x07, 1, 0, 2, 0xFF, 3}),
              Bytes(file.begin(), file.begin() + 11));
    EXPECT_EQ("", Differences({-1, -128, 127, 7, 1, 0, 1, 1, 1, 0, 0, 2, 0}, DecodeSettings(file.data())));
}

// Text and NUL replace only the start of a record (INT32_MIN fills it: no NUL) and read back.
TEST(SettingsBytes, DecimalTextWithNul) {
    const struct { int32_t value; const char* text; int length; } cases[] = {{0, "0", 2}, {-40, "-40", 4},
        {700, "700", 4}, {-999999999, "-999999999", 11}, {INT32_MAX, "2147483647", 11},
        {INT32_MIN, "-2147483648", 11}};
    for (const auto& c : cases) {
        Bytes record(kSettingsRecordSize, 0xAA), expected(kSettingsRecordSize, 0xAA);
        memcpy(expected.data(), c.text, (size_t)c.length);
        WriteDecimalText(c.value, record.data());
        EXPECT_EQ(expected, record) << c.value;
        EXPECT_EQ(c.value, ReadDecimalText(record.data()));
    }
    // The reader stops at the NUL or any non-digit and never reads past the record's 11 bytes.
    const struct { const char* record; int32_t value; } texts[] = {{"7\0" "34\0\1\0\0\1\1\1", 7},
        {"\0" "5555555555", 0}, {" \t\n+12\0" "999", 12}, {"x12\0\0\0\0\0\0\0", 0}, {"--5\0\0\0\0\0\0\0", 0},
        {"     123456", 123456}, {"99999999999", INT32_MAX}, {"-9999999999", INT32_MIN}};
    for (const auto& c : texts) {
        Bytes twoRecords(c.record, c.record + kSettingsRecordSize);
        twoRecords.resize(2 * kSettingsRecordSize, '7');
        EXPECT_EQ(c.value, ReadDecimalText(twoRecords.data())) << c.record;
    }
}

// Any field that differs means a rewrite, the height only for a Free window; the header
// is not compared, and a short or unreadable file always differs.
TEST(SettingsBytes, ExitComparison) {
    for (const Options& stored : {Stored(100, 50, 2, 644), Stored(100, 50, 700, 500)}) {
        Bytes file = FileOf(stored);
        file[1] = 47;
        EXPECT_TRUE(SettingsMatch(file.data(), kSettingsFileSize, stored));
        EXPECT_FALSE(SettingsMatch(file.data(), kSettingsFileSize - 1, stored));
        EXPECT_FALSE(SettingsMatch(file.data(), -1, stored));
        for (int f = 0; f < 13; f++) {
            Options current = stored;
            current.*kFields[f].field += 1;
            const bool matches = SettingsMatch(file.data(), kSettingsFileSize, current);
            EXPECT_EQ(f == 12 && stored.sizeIndex == 2, matches)
                << kFields[f].name << " changed, size record " << stored.sizeIndex;
        }
    }
}

// Each option outside its range takes its default; values in range (any Free width) stay exactly.
TEST(SettingsRanges, OutOfRangeOptionsTakeTheirDefaultsAndTheRestStay) {
    const int32_t low[13] = {0, 1, 1, 0, 0, 0, 0, 0, 0, INT32_MIN, INT32_MIN, 0, INT32_MIN};
    const int32_t high[13] = {1, 2, 2, 1, 1, 1, 1, 1, 1, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX};
    for (int f = 0; f < 13; f++)
        for (int32_t value : {INT32_MIN, -128, -1, 0, 1, 2, 3, 5, 127, 700, INT32_MAX}) {
            Options values = kUnusual, expected = kUnusual;
            values.*kFields[f].field = value;
            expected.*kFields[f].field =
                value >= low[f] && value <= high[f] ? value : Stored(0, 0, 2, 0).*kFields[f].field;
            ReplaceOutOfRangeOptions(values);
            EXPECT_EQ("", Differences(expected, values)) << kFields[f].name << " set to " << value;
        }
}

// Start-up from other values in memory: in-range values (a Free width too) load exactly, the others fall
// back, the board gets its ring; exit puts the file right (an unchanged file is left alone: checked on
// Windows).
TEST(SettingsFile, StoredValuesLoadAndFallbacksAreRewritten) {
    const Options stored = {-1, 9, 9, 7, 1, 1, 0, 0, 0, -40, 50, 700, 480};
    const Options loaded = {1, 2, 1, 1, 1, 1, 0, 0, 0, -40, 50, 700, 480};
    ResetPlatformRecord();
    platformRecord.files[kSettingsFileName] = FileOf(stored);
    memset(&options, 0x55, sizeof options);
    Board[0][0] = Empty;
    LoadSettings();
    EXPECT_TRUE(Board[0][0] == Wall) << "Board[0][0] expected Wall";
    EXPECT_EQ("", Differences(loaded, options));
    EXPECT_TRUE(platformRecord.filesDeleted.empty()) << "expected no file deleted";
    SaveSettings(options.windowX, options.windowY, options.sizeIndex, options.windowHeight);
    EXPECT_EQ(FileOf(loaded), platformRecord.files[kSettingsFileName]);
}

// Exit writes the new bytes beside the file and then replaces it in one step, so a crash leaves the old
// whole file or the new one. A failed step leaves the old file; a file left by a crash is never read and
// goes at the next exit; a file held by another program at start-up is left alone for the whole run.
TEST(SettingsFile, ExitReplacesTheFileInOneStepOrLeavesIt) {
    const std::string write = "write Kivrano.ini.new", replace = "replace Kivrano.ini by Kivrano.ini.new",
                      removeNew = "delete Kivrano.ini.new";
    enum Outcome { OldFile, NewFile };
    const struct {
        const char* what;
        bool leftover, held, failWrites, failReplaces, changed;
        std::vector<std::string> steps;
        Outcome file;
    } cases[] = {
        {"changed", false, false, false, false, true, {write, replace}, NewFile},
        {"unchanged", false, false, false, false, false, {}, OldFile},
        {"unchanged, new file left by a crash", true, false, false, false, false, {removeNew}, OldFile},
        {"changed, new file left by a crash", true, false, false, false, true, {write, replace}, NewFile},
        {"the write fails", false, false, true, false, true, {write, removeNew}, OldFile},
        {"the replace fails", false, false, false, true, true, {write, replace, removeNew}, OldFile},
        {"held by another program at start-up", false, true, false, false, true, {}, OldFile},
    };
    const Options old = Stored(100, 50, 2, 644), changed = {0, 2, 1, 0, 0, 0, 1, 1, 1, 100, 50, 1, 528};
    const Options defaults = Stored(INT32_MIN, INT32_MIN, 2, 0);
    for (const auto& c : cases) {
        ResetPlatformRecord();
        platformRecord.files[kSettingsFileName] = FileOf(old);
        if (c.leftover) platformRecord.files[kNewSettingsFileName] = Bytes(20, 0x77);
        if (c.held) platformRecord.heldFiles.insert(kSettingsFileName);
        options.windowHeight = 0;
        LoadSettings();
        EXPECT_EQ("", Differences(c.held ? defaults : old, options)) << c.what << ": loaded";
        platformRecord.heldFiles.clear();  // let go of after start-up
        platformRecord.failWrites = c.failWrites;
        platformRecord.failReplaces = c.failReplaces;
        const Options exit = c.changed ? changed : old;
        options.level = exit.level;
        options.speed = exit.speed;
        SaveSettings(exit.windowX, exit.windowY, exit.sizeIndex, exit.windowHeight);
        EXPECT_EQ(c.steps, platformRecord.fileSteps) << c.what << ": steps";
        EXPECT_TRUE(FileOf(c.file == NewFile ? changed : old) == platformRecord.files[kSettingsFileName])
            << c.what << ": expected the " << (c.file == NewFile ? "new" : "old") << " file";
        EXPECT_EQ(0u, platformRecord.files.count(kNewSettingsFileName)) << c.what << ": a new file left";
    }
}

// Only a file that was read and found wrong is deleted: a missing one is created, a held one is not touched.
TEST(SettingsFile, OnlyAWrongFileIsDeletedAtStartUp) {
    const struct { const char* what; uint8_t second; int32_t size; bool held, deleted; } cases[] = {
        {"wrong header 1.47", 47, 55, false, true}, {"54 bytes", 46, 54, false, true},
        {"held, right header", 46, 55, true, false}, {"held, wrong header", 47, 55, true, false},
    };
    for (const auto& c : cases) {
        ResetPlatformRecord();
        Bytes file = FileOf(Stored(100, 50, 2, 644));
        file[1] = c.second;
        file.resize((size_t)c.size);
        platformRecord.files[kSettingsFileName] = file;
        if (c.held) platformRecord.heldFiles.insert(kSettingsFileName);
        LoadSettings();
        EXPECT_EQ("", Differences(Stored(INT32_MIN, INT32_MIN, 2, options.windowHeight), options)) << c.what;
        EXPECT_EQ(c.deleted, platformRecord.filesDeleted.size() == 1) << c.what << ": deleted";
    }
}

// A stored 2 (or 128, or 255) in each on/off option loads as 1; a file that says nothing else new is left
// as it is, and the next write, after the window moved, stores 1.
TEST(SettingsFile, OnOffOptionsReadAnyByteButZeroAsOn) {
    for (int f = kFirstOnOff; f <= kLastOnOff; f++)
        for (uint8_t byte : {2, 128, 255}) {
            Options stored = Stored(100, 50, 2, 644);
            stored.*kFields[f].field = 0;
            Bytes file = FileOf(stored);
            file[2 + f] = byte;  // the nine option bytes follow the two header bytes
            Options expected = stored;
            expected.*kFields[f].field = 1;
            ResetPlatformRecord();
            platformRecord.files[kSettingsFileName] = file;
            LoadSettings();
            EXPECT_EQ("", Differences(expected, options)) << kFields[f].name << " stored as " << (int)byte;
            SaveSettings(100, 50, 2, 644);
            EXPECT_EQ(file, platformRecord.files[kSettingsFileName]) << kFields[f].name << ": expected kept";
            SaveSettings(101, 50, 2, 644);
            const uint8_t written = platformRecord.files[kSettingsFileName][2 + f];
            EXPECT_EQ(1, written) << kFields[f].name << " stored as " << (int)byte << ": next write";
        }
}
