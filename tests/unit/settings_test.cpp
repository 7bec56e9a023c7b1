// The settings file: its bytes, and start-up and exit over recorded in-memory files.
#include <gtest/gtest.h>

#include <string.h>

#include <algorithm>

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

// The defaults (written out, so a changed default shows) with a window.
Options Stored(int32_t x, int32_t y, int32_t sizeRecord, int32_t height) {
    return {.level = 1, .computerColour = 2, .gameMode = 1, .speed = 1, .allowDoubleThree = 0,
            .continuousPlay = 0, .markPrevious = 1, .sound = 1, .statusBar = 1, .windowX = x, .windowY = y,
            .sizeIndex = sizeRecord, .windowHeight = height};
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

// The first byte of a file that differs, with expected and got; empty when the files are equal.
std::string ByteDifference(const Bytes& expected, const Bytes& got) {
    if (got.size() != expected.size()) return "size expected 55, got " + std::to_string(got.size());
    for (size_t i = 0; i < expected.size(); i++)
        if (got[i] != expected[i])
            return "byte " + std::to_string(i) + " expected " + std::to_string(expected[i]) + ", got " +
                   std::to_string(got[i]);
    return "";
}

// Records byte for byte (a whole default file is checked on Windows): the four texts at 11-byte steps, 7
// written over 1234 keeps the "34" after its NUL, INT32_MIN fills its record with no NUL; option bytes are
// their low bytes in field order, read back signed (on/off options as 1 for any byte but 0).
TEST(SettingsBytes, RecordsByteForByte) {
    const Bytes overlap = FileOf(Stored(1234, 7, 2, 644));
    std::string texts;
    for (int r = 1; r <= 4; r++) texts += (const char*)&overlap[11 * r] + std::string(" ");
    EXPECT_EQ("1234 7 2 644 ", texts);
    EXPECT_EQ((Bytes{0x37, 0x00, 0x33, 0x34, 0x00, 0x01}), Bytes(overlap.begin() + 22, overlap.begin() + 28));
    EXPECT_EQ("", Differences(Stored(1234, 7, 2, 644), DecodeSettings(overlap.data()))) << "1234, 7";
    const Bytes extremes = FileOf(Stored(-40, INT32_MIN, 2, 644));
    EXPECT_EQ("-40", std::string((const char*)&extremes[11])) << "windowX record";
    EXPECT_EQ("-2147483648", std::string((const char*)&extremes[22], 11)) << "windowY record";
    EXPECT_EQ("", Differences(Stored(-40, INT32_MIN, 2, 644), DecodeSettings(extremes.data())))
        << "-40, INT32_MIN read back";
    const Options outOfRange = {.level = 255, .computerColour = 128, .gameMode = 127, .speed = 0x107,
                                .allowDoubleThree = 1, .continuousPlay = 0, .markPrevious = 2, .sound = -1,
                                .statusBar = 3, .windowX = 0, .windowY = 0, .sizeIndex = 2,
                                .windowHeight = 0};
    const Bytes file = FileOf(outOfRange);
    const uint8_t kOptionRecord[11] = {1, 46, 0xFF, 0x80, 0x7F, 0x07, 1, 0, 2, 0xFF, 3};
    for (int i = 0; i < 11; i++)
        EXPECT_EQ(kOptionRecord[i], file[i])
            << "option record byte " << i << ": " << (i < 2 ? "header" : kFields[i - 2].name);
    const Options readBack = {.level = -1, .computerColour = -128, .gameMode = 127, .speed = 7,
                              .allowDoubleThree = 1, .continuousPlay = 0, .markPrevious = 1, .sound = 1,
                              .statusBar = 1, .windowX = 0, .windowY = 0, .sizeIndex = 2,
                              .windowHeight = 0};
    EXPECT_EQ("", Differences(readBack, DecodeSettings(file.data())));
}

// A number as a user's editor may leave it in its 11-byte record: blanks (space, tab to carriage return) and
// a sign before the digits, anything after them ignored; beyond 32 bits it stops at the nearest end.
TEST(SettingsBytes, NumbersAsAnEditedFileHoldsThem) {
    const struct { const char* record; int32_t value; } rows[] = {
        {"  +700", 700},        {"\t\r\n-40", -40},     {"12ab", 12},      {"", 0},
        {"99999999999", INT32_MAX}, {"-9999999999", INT32_MIN}, {"           ", 0},
    };
    for (const auto& row : rows) {
        uint8_t record[kSettingsRecordSize] = {};
        memcpy(record, row.record, std::min(strlen(row.record), sizeof record));
        EXPECT_EQ(row.value, ReadDecimalText(record)) << "record \"" << row.record << "\"";
    }
}

// Any field that differs means a rewrite, the height only for a Free window; a short file always differs.
TEST(SettingsBytes, ExitComparison) {
    for (const Options& stored : {Stored(100, 50, 2, 644), Stored(100, 50, 700, 500)}) {
        const Bytes file = FileOf(stored);
        EXPECT_TRUE(SettingsMatch(file.data(), kSettingsFileSize, stored));
        EXPECT_FALSE(SettingsMatch(file.data(), kSettingsFileSize - 1, stored));
        for (const auto& f : kFields) {
            Options current = stored;
            current.*f.field += 1;
            const bool heightOfFixedSize = f.field == &Options::windowHeight && stored.sizeIndex == 2;
            EXPECT_EQ(heightOfFixedSize, SettingsMatch(file.data(), kSettingsFileSize, current))
                << f.name << " changed, size record " << stored.sizeIndex;
        }
    }
}

// Start-up from stored values: in range (a Free width, a negative position) they load exactly, any on/off
// byte but 0 as 1, a table option one past either end of its range as its default; the board gets its ring.
// An exit with the window moved writes the values loaded (on/off options as 1).
TEST(SettingsFile, StoredValuesLoadOrFallBackToDefaults) {
    const Options inRange = {.level = 0, .computerColour = 1, .gameMode = 2, .speed = 0,
                             .allowDoubleThree = 1, .continuousPlay = 1, .markPrevious = 0, .sound = 0,
                             .statusBar = 0, .windowX = -40, .windowY = 50, .sizeIndex = 700,
                             .windowHeight = 480};
    const Options onOffAs2 = {.level = 1, .computerColour = 2, .gameMode = 1, .speed = 1,
                              .allowDoubleThree = 2, .continuousPlay = 2, .markPrevious = 2, .sound = 2,
                              .statusBar = 2, .windowX = 100, .windowY = 50, .sizeIndex = 2,
                              .windowHeight = 644};
    const Options onOffAs1 = {.level = 1, .computerColour = 2, .gameMode = 1, .speed = 1,
                              .allowDoubleThree = 1, .continuousPlay = 1, .markPrevious = 1, .sound = 1,
                              .statusBar = 1, .windowX = 100, .windowY = 50, .sizeIndex = 2,
                              .windowHeight = 644};
    const Options oneAbove = {.level = 2, .computerColour = 3, .gameMode = 3, .speed = 2,
                              .allowDoubleThree = 1, .continuousPlay = 1, .markPrevious = 0, .sound = 0,
                              .statusBar = 0, .windowX = -40, .windowY = 50, .sizeIndex = 5,
                              .windowHeight = 480};
    const Options aboveAsDefaults = {.level = 1, .computerColour = 2, .gameMode = 1, .speed = 1,
                                     .allowDoubleThree = 1, .continuousPlay = 1, .markPrevious = 0,
                                     .sound = 0, .statusBar = 0, .windowX = -40, .windowY = 50,
                                     .sizeIndex = 5, .windowHeight = 480};
    const Options oneBelow = {.level = -1, .computerColour = 0, .gameMode = 0, .speed = -1,
                              .allowDoubleThree = 0, .continuousPlay = 0, .markPrevious = 1, .sound = 1,
                              .statusBar = 1, .windowX = 100, .windowY = 50, .sizeIndex = -1,
                              .windowHeight = 644};
    const struct { const char* what; Options stored, loaded; } rows[] = {
        {"all in range, Free 700 x 480 at -40,50", inRange, inRange},
        {"each on/off option stored as 2", onOffAs2, onOffAs1},
        {"each table option one above its range", oneAbove, aboveAsDefaults},
        {"each table option one below its range", oneBelow, Stored(100, 50, 2, 644)},
    };
    for (const auto& row : rows) {
        ResetPlatformRecord();
        platformRecord.files[kSettingsFileName] = FileOf(row.stored);
        memset(&options, 0x55, sizeof options);
        Board[0][0] = Empty;
        LoadSettings();
        EXPECT_TRUE(Board[0][0] == Wall) << row.what << ": Board[0][0] expected Wall";
        EXPECT_EQ("", Differences(row.loaded, options)) << row.what << ": loaded";
        Options moved = row.loaded;
        moved.windowX++;
        SaveSettings(moved.windowX, moved.windowY, moved.sizeIndex, moved.windowHeight);
        EXPECT_EQ("", ByteDifference(FileOf(moved), platformRecord.files[kSettingsFileName]))
            << row.what << ": exit with the window moved, expected the loaded values written";
    }
}

// Exit writes the new bytes beside the file and then replaces it in one step, so a crash leaves the old
// whole file or the new one. A name that cannot be written gives way to the next; a failed step leaves the
// old file; a file left by a crash is never read and goes at the next exit; a file held by another program
// at start-up is left alone for the whole run, and a read-only one is not replaced. A run that changed
// nothing leaves what another copy of the game saved meanwhile. Only a file that was read and found wrong
// (another header, too short) is deleted at start-up, and a whole one is written at exit even when nothing
// changed. (What a held file loads is checked in start_exit_safety_test.)
TEST(SettingsFile, ExitReplacesTheFileInOneStepOrLeavesIt) {
    const std::string write = "write Kivrano.ini.new", replace = "replace Kivrano.ini by Kivrano.ini.new",
                      removeNew = "delete Kivrano.ini.new", removeOld = "delete Kivrano.ini";
    std::vector<std::string> everyWriteFails;
    for (const char* name : kNewSettingsFileNames) {
        everyWriteFails.push_back(std::string("write ") + name);
        everyWriteFails.push_back(std::string("delete ") + name);
    }
    enum FileAtStart {
        kWhole, kWithNewFileLeft, kNewFileHeld, kHeld, kReadOnly, kHeader147, kShort54, kSavedByAnotherCopy,
        kHeader246
    };
    enum ExitFault { kNoFault, kWriteFails, kReplaceFails };
    const struct {
        const char* what;
        FileAtStart start;
        ExitFault fault;
        bool changed;
        std::vector<std::string> steps;
        bool changedFile;  // the file holds the changed values, else the old ones
    } cases[] = {
        {"changed", kWhole, kNoFault, true, {write, replace}, true},
        {"unchanged, new file left by a crash", kWithNewFileLeft, kNoFault, false, {removeNew}, false},
        {"unchanged, another copy saved meanwhile", kSavedByAnotherCopy, kNoFault, false, {}, true},
        {"Kivrano.ini.new cannot be written", kNewFileHeld, kNoFault, true,
         {write, removeNew, "write Kivrano.ini.new1", "replace Kivrano.ini by Kivrano.ini.new1"}, true},
        {"every write fails", kWhole, kWriteFails, true, everyWriteFails, false},
        {"the replace fails", kWhole, kReplaceFails, true, {write, replace, removeNew}, false},
        {"held by another program at start-up", kHeld, kNoFault, true, {}, false},
        {"read-only", kReadOnly, kNoFault, true, {}, false},
        {"header 1.47", kHeader147, kNoFault, true, {removeOld, write, replace}, true},
        {"header 2.46", kHeader246, kNoFault, true, {removeOld, write, replace}, true},
        {"54 bytes, unchanged", kShort54, kNoFault, false, {removeOld, write, replace}, false},
    };
    const Options old = Stored(100, 50, 2, 644);
    const Options changed = {.level = 0, .computerColour = 2, .gameMode = 1, .speed = 0,
                             .allowDoubleThree = 0, .continuousPlay = 0, .markPrevious = 1, .sound = 1,
                             .statusBar = 1, .windowX = 100, .windowY = 50, .sizeIndex = 1,
                             .windowHeight = 528};
    for (const auto& c : cases) {
        ResetPlatformRecord();
        Bytes& file = platformRecord.files[kSettingsFileName];
        file = FileOf(old);
        if (c.start == kWithNewFileLeft) platformRecord.files[kNewSettingsFileNames[0]] = Bytes(20, 0x77);
        if (c.start == kNewFileHeld) platformRecord.heldFiles.insert(kNewSettingsFileNames[0]);
        if (c.start == kHeld) platformRecord.heldFiles.insert(kSettingsFileName);
        if (c.start == kReadOnly) platformRecord.readOnlyFiles.insert(kSettingsFileName);
        if (c.start == kHeader147) file[1] = 47;
        if (c.start == kHeader246) file[0] = 2;
        if (c.start == kShort54) file.pop_back();
        LoadSettings();
        platformRecord.heldFiles.erase(kSettingsFileName);  // let go of after start-up
        if (c.start == kSavedByAnotherCopy) file = FileOf(changed);
        platformRecord.failWrites = c.fault == kWriteFails;
        platformRecord.failReplaces = c.fault == kReplaceFails;
        const Options exit = c.changed ? changed : old;
        options.level = exit.level;
        options.speed = exit.speed;
        SaveSettings(exit.windowX, exit.windowY, exit.sizeIndex, exit.windowHeight);
        EXPECT_EQ(c.steps, platformRecord.fileSteps) << c.what << ": steps";
        const Bytes& after = platformRecord.files[kSettingsFileName];  // the file at start-up may be gone
        EXPECT_EQ("", ByteDifference(FileOf(c.changedFile ? changed : old), after))
            << c.what << ": expected the " << (c.changedFile ? "changed" : "old") << " values";
        for (const char* name : kNewSettingsFileNames)
            EXPECT_EQ(0u, platformRecord.files.count(name)) << c.what << ": " << name << " left";
    }
}
