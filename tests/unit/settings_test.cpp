// The settings file: its bytes, and start-up and exit over recorded in-memory files.
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

// The first byte of a file that differs, with expected and got; empty when the files are equal.
std::string ByteDifference(const Bytes& expected, const Bytes& got) {
    if (got.size() != expected.size()) return "size expected 55, got " + std::to_string(got.size());
    for (size_t i = 0; i < expected.size(); i++)
        if (got[i] != expected[i])
            return "byte " + std::to_string(i) + " expected " + std::to_string(expected[i]) + ", got " +
                   std::to_string(got[i]);
    return "";
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
        {INT32_MAX, "2147483647", 11}, {INT32_MIN, "-2147483648", 11}};
    for (const auto& c : cases) {
        Bytes record(kSettingsRecordSize, 0xAA), expected(kSettingsRecordSize, 0xAA);
        memcpy(expected.data(), c.text, (size_t)c.length);
        WriteDecimalText(c.value, record.data());
        EXPECT_EQ(expected, record) << c.value;
        EXPECT_EQ(c.value, ReadDecimalText(record.data()));
    }
    // The reader stops at the NUL or any non-digit and never reads past the record's 11 bytes.
    const struct { const char* record; int32_t value; } texts[] = {{"7\0" "34\0\1\0\0\1\1\1", 7},
        {"\0" "5555555555", 0}, {" \t\n+12\0" "999", 12}, {"x12\0\0\0\0\0\0\0", 0},
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

// Start-up from stored values: in range (a Free width, a negative position) they load exactly, any on/off
// byte but 0 as 1, a table option one past either end of its range as its default; the board gets its ring.
// An exit with the window where it was rewrites only a file with a value that fell back; one with the window
// moved writes the values loaded (on/off options as 1).
TEST(SettingsFile, StoredValuesLoadOrFallBackToDefaults) {
    const struct { const char* what; Options stored, loaded; bool rewritten; } rows[] = {
        {"all in range, Free 700 x 480 at -40,50", {0, 1, 2, 0, 1, 1, 0, 0, 0, -40, 50, 700, 480},
         {0, 1, 2, 0, 1, 1, 0, 0, 0, -40, 50, 700, 480}, false},
        {"each on/off option stored as 2", {1, 2, 1, 1, 2, 2, 2, 2, 2, 100, 50, 2, 644},
         {1, 2, 1, 1, 1, 1, 1, 1, 1, 100, 50, 2, 644}, false},
        {"each on/off option stored as 255", {1, 2, 1, 1, 255, 255, 255, 255, 255, 100, 50, 2, 644},
         {1, 2, 1, 1, 1, 1, 1, 1, 1, 100, 50, 2, 644}, false},
        {"each table option one above its range", {2, 3, 3, 2, 1, 1, 0, 0, 0, -40, 50, 5, 480},
         {1, 2, 1, 1, 1, 1, 0, 0, 0, -40, 50, 5, 480}, true},
        {"each table option one below its range", {-1, 0, 0, -1, 0, 0, 1, 1, 1, 100, 50, -1, 644},
         {1, 2, 1, 1, 0, 0, 1, 1, 1, 100, 50, 2, 644}, true},
    };
    for (const auto& row : rows) {
        ResetPlatformRecord();
        platformRecord.files[kSettingsFileName] = FileOf(row.stored);
        memset(&options, 0x55, sizeof options);
        Board[0][0] = Empty;
        LoadSettings();
        EXPECT_TRUE(Board[0][0] == Wall) << row.what << ": Board[0][0] expected Wall";
        EXPECT_EQ("", Differences(row.loaded, options)) << row.what << ": loaded";
        EXPECT_TRUE(platformRecord.fileSteps.empty()) << row.what << ": expected no file deleted";
        const Options& o = options;
        SaveSettings(o.windowX, o.windowY, o.sizeIndex, o.windowHeight);
        const Bytes& file = platformRecord.files[kSettingsFileName];
        EXPECT_EQ("", ByteDifference(FileOf(row.rewritten ? row.loaded : row.stored), file))
            << row.what << ": exit with the window where it was, expected the file "
            << (row.rewritten ? "rewritten" : "kept");
        Options moved = row.loaded;
        moved.windowX++;
        SaveSettings(moved.windowX, o.windowY, o.sizeIndex, o.windowHeight);
        EXPECT_EQ("", ByteDifference(FileOf(moved), file))
            << row.what << ": exit with the window moved, expected the loaded values written";
    }
}

// Exit writes the new bytes beside the file and then replaces it in one step, so a crash leaves the old
// whole file or the new one. A failed step leaves the old file; a file left by a crash is never read and
// goes at the next exit; a file held by another program at start-up is left alone for the whole run. Only
// a file that was read and found wrong (another header, too short) is deleted at start-up.
TEST(SettingsFile, ExitReplacesTheFileInOneStepOrLeavesIt) {
    const std::string write = "write Kivrano.ini.new", replace = "replace Kivrano.ini by Kivrano.ini.new",
                      removeNew = "delete Kivrano.ini.new", removeOld = "delete Kivrano.ini";
    enum FileAtStart { kWhole, kWithNewFileLeft, kHeld, kHeader147, kShort54 };
    enum ExitFault { kNoFault, kWriteFails, kReplaceFails };
    enum Outcome { OldFile, NewFile };
    const struct {
        const char* what;
        FileAtStart start;
        ExitFault fault;
        bool changed;
        std::vector<std::string> steps;
        Outcome file;
    } cases[] = {
        {"changed", kWhole, kNoFault, true, {write, replace}, NewFile},
        {"unchanged, new file left by a crash", kWithNewFileLeft, kNoFault, false, {removeNew}, OldFile},
        {"changed, new file left by a crash", kWithNewFileLeft, kNoFault, true, {write, replace}, NewFile},
        {"the write fails", kWhole, kWriteFails, true, {write, removeNew}, OldFile},
        {"the replace fails", kWhole, kReplaceFails, true, {write, replace, removeNew}, OldFile},
        {"held by another program at start-up", kHeld, kNoFault, true, {}, OldFile},
        {"header 1.47", kHeader147, kNoFault, true, {removeOld, write, replace}, NewFile},
        {"54 bytes", kShort54, kNoFault, true, {removeOld, write, replace}, NewFile},
    };
    const Options old = Stored(100, 50, 2, 644), changed = {0, 2, 1, 0, 0, 0, 1, 1, 1, 100, 50, 1, 528};
    const Options defaults = Stored(INT32_MIN, INT32_MIN, 2, 0);
    for (const auto& c : cases) {
        ResetPlatformRecord();
        Bytes& file = platformRecord.files[kSettingsFileName];
        file = FileOf(old);
        if (c.start == kWithNewFileLeft) platformRecord.files[kNewSettingsFileName] = Bytes(20, 0x77);
        if (c.start == kHeld) platformRecord.heldFiles.insert(kSettingsFileName);
        if (c.start == kHeader147) file[1] = 47;
        if (c.start == kShort54) file.pop_back();
        options.windowHeight = 0;
        LoadSettings();
        const bool read = c.start == kWhole || c.start == kWithNewFileLeft;
        EXPECT_EQ("", Differences(read ? old : defaults, options)) << c.what << ": loaded";
        platformRecord.heldFiles.clear();  // let go of after start-up
        platformRecord.failWrites = c.fault == kWriteFails;
        platformRecord.failReplaces = c.fault == kReplaceFails;
        const Options exit = c.changed ? changed : old;
        options.level = exit.level;
        options.speed = exit.speed;
        SaveSettings(exit.windowX, exit.windowY, exit.sizeIndex, exit.windowHeight);
        EXPECT_EQ(c.steps, platformRecord.fileSteps) << c.what << ": steps";
        const Bytes& after = platformRecord.files[kSettingsFileName];  // the file at start-up may be gone
        EXPECT_EQ("", ByteDifference(FileOf(c.file == NewFile ? changed : old), after))
            << c.what << ": expected the " << (c.file == NewFile ? "new" : "old") << " file";
        EXPECT_EQ(0u, platformRecord.files.count(kNewSettingsFileName)) << c.what << ": a new file left";
    }
}
