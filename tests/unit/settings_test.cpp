// The settings file: its bytes, the ranges, start-up and exit over recorded in-memory files.
#include <gtest/gtest.h>

#include <string.h>

#include "platform_recorder.h"
#include "rules/board.h"
#include "settings/settings_bytes.h"

typedef std::vector<uint8_t> Bytes;
int32_t Options::*const kFields[] = {&Options::level, &Options::computerColour, &Options::gameMode, &Options::speed,
    &Options::allowDoubleThree, &Options::continuousPlay, &Options::markPrevious, &Options::sound, &Options::statusBar,
    &Options::windowX, &Options::windowY, &Options::sizeIndex, &Options::windowHeight};

const Options kUnusual = {0, 1, 2, 0, 1, 1, 0, 0, 0, 1234, 7, 4, 900};  // no field at its default

// The defaults (written out, so a changed default shows) with a window.
Options Stored(int32_t x, int32_t y, int32_t sizeRecord, int32_t height) {
    return {1, 2, 1, 1, 0, 0, 1, 1, 1, x, y, sizeRecord, height};
}
Bytes FileOf(const Options& stored) { Bytes file(kSettingsFileSize); EncodeSettings(stored, file.data()); return file; }
bool Same(const Options& a, const Options& b) { return memcmp(&a, &b, sizeof a) == 0; }

// Records byte for byte (a whole default file is checked on Windows): the four texts at 11-byte steps, 7 after
// 1234 keeping the "34" after its NUL; option bytes are their low bytes in field order, read back signed.
TEST(SettingsBytes, RecordsByteForByte) {
    const Bytes overlap = FileOf(Stored(1234, 7, 2, 644));
    std::string texts;
    for (int r = 1; r <= 4; r++) texts += (const char*)&overlap[11 * r] + std::string(" ");
    EXPECT_EQ("1234 7 2 644 ", texts);
    EXPECT_EQ((Bytes{0x37, 0x00, 0x33, 0x34, 0x00, 0x01}), Bytes(overlap.begin() + 22, overlap.begin() + 28));
    const Bytes file = FileOf({255, 128, 127, 0x107, 1, 0, 2, -1, 3, 0, 0, 2, 0});
    EXPECT_EQ((Bytes{1, 46, 0xFF, 0x80, 0x7F, 0x07, 1, 0, 2, 0xFF, 3}), Bytes(file.begin(), file.begin() + 11));
    EXPECT_TRUE(Same({-1, -128, 127, 7, 1, 0, 2, -1, 3, 0, 0, 2, 0}, DecodeSettings(file.data())));
}

// Text and NUL replace only the start of a record (INT32_MIN fills it: no NUL) and read back.
TEST(SettingsBytes, DecimalTextWithNul) {
    const struct { int32_t value; const char* text; int length; } cases[] = {{0, "0", 2}, {-40, "-40", 4},
        {700, "700", 4}, {-999999999, "-999999999", 11}, {INT32_MAX, "2147483647", 11}, {INT32_MIN, "-2147483648", 11}};
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
            current.*kFields[f] += 1;
            EXPECT_EQ(f == 12 && stored.sizeIndex == 2, SettingsMatch(file.data(), kSettingsFileSize, current))
                << "field " << f << " with size record " << stored.sizeIndex;
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
            values.*kFields[f] = value;
            expected.*kFields[f] = value >= low[f] && value <= high[f] ? value : Stored(0, 0, 2, 0).*kFields[f];
            ReplaceOutOfRangeOptions(values);
            EXPECT_TRUE(Same(expected, values)) << "field " << f << " value " << value;
        }
}

// Start-up from other values in memory: in-range values (a Free width too) load exactly, the others fall back,
// the board gets its ring; exit puts the file right (an unchanged file is left alone: checked on Windows).
TEST(SettingsFile, StoredValuesLoadAndFallbacksAreRewritten) {
    const Options stored = {-1, 9, 9, 7, 1, 1, 0, 0, 0, -40, 50, 700, 480};
    const Options loaded = {1, 2, 1, 1, 1, 1, 0, 0, 0, -40, 50, 700, 480};
    ResetPlatformRecord();
    platformRecord.files[kSettingsFileName] = FileOf(stored);
    memset(&options, 0x55, sizeof options);
    Board[0][0] = Empty;
    LoadSettings();
    EXPECT_TRUE(Board[0][0] == Wall && Same(loaded, options) && platformRecord.filesDeleted.empty());
    SaveSettings(options.windowX, options.windowY, options.sizeIndex, options.windowHeight);
    EXPECT_EQ(FileOf(loaded), platformRecord.files[kSettingsFileName]);
}
