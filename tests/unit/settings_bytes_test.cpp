// The settings file byte for byte: the records, the decimal text with its
// leftovers after the NUL, reading back, and the comparison made at exit.
#include <gtest/gtest.h>

#include <string.h>

#include <vector>

#include "settings/options.h"
#include "settings/settings_bytes.h"

namespace {

typedef std::vector<uint8_t> Bytes;

// The defaults after a run whose Medium window stood at (100, 50), 644 high.
const Bytes kMediumAt100x50 = {
    0x01, 0x2E, 0x01, 0x02, 0x01, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01,
    0x31, 0x30, 0x30, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01,
    0x35, 0x30, 0x00, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01,
    0x32, 0x00, 0x00, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01,
    0x36, 0x34, 0x34, 0x00, 0x01, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01,
};

Options Stored(int32_t windowX, int32_t windowY, int32_t sizeRecord, int32_t windowHeight) {
    Options stored = kDefaultOptions;
    stored.windowX = windowX;
    stored.windowY = windowY;
    stored.sizeIndex = sizeRecord;
    stored.windowHeight = windowHeight;
    return stored;
}

Bytes Encode(const Options& stored) {
    Bytes file(kSettingsFileSize, 0xEE);
    EncodeSettings(stored, file.data());
    return file;
}

Bytes Record(const Bytes& file, int index) {
    return Bytes(file.begin() + index * kSettingsRecordSize, file.begin() + (index + 1) * kSettingsRecordSize);
}

void ExpectSameOptions(const Options& expected, const Options& actual) {
    EXPECT_EQ(expected.level, actual.level);
    EXPECT_EQ(expected.computerColour, actual.computerColour);
    EXPECT_EQ(expected.gameMode, actual.gameMode);
    EXPECT_EQ(expected.speed, actual.speed);
    EXPECT_EQ(expected.allowDoubleThree, actual.allowDoubleThree);
    EXPECT_EQ(expected.continuousPlay, actual.continuousPlay);
    EXPECT_EQ(expected.markPrevious, actual.markPrevious);
    EXPECT_EQ(expected.sound, actual.sound);
    EXPECT_EQ(expected.statusBar, actual.statusBar);
    EXPECT_EQ(expected.windowX, actual.windowX);
    EXPECT_EQ(expected.windowY, actual.windowY);
    EXPECT_EQ(expected.sizeIndex, actual.sizeIndex);
    EXPECT_EQ(expected.windowHeight, actual.windowHeight);
}

TEST(SettingsBytes, DefaultsOfAMediumWindowGiveTheFiveRecords) {
    EXPECT_EQ(kMediumAt100x50, Encode(Stored(100, 50, 2, 644)));
    ExpectSameOptions(Stored(100, 50, 2, 644), DecodeSettings(kMediumAt100x50.data()));
}

TEST(SettingsBytes, ShortTextOverwritesOnlyItsOwnBytesOfTheLastRecord) {
    Bytes file = Encode(Stored(1234, 7, 2, 644));
    EXPECT_EQ((Bytes{0x31, 0x32, 0x33, 0x34, 0x00, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01}), Record(file, 1));
    EXPECT_EQ((Bytes{0x37, 0x00, 0x33, 0x34, 0x00, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01}), Record(file, 2));
    EXPECT_EQ((Bytes{0x32, 0x00, 0x33, 0x34, 0x00, 0x01, 0x00, 0x00, 0x01, 0x01, 0x01}), Record(file, 3));
    EXPECT_EQ(7, DecodeSettings(file.data()).windowY);
}

TEST(SettingsBytes, OptionBytesAreLowBytesReadBackSigned) {
    Options stored = Stored(0, 0, 2, 0);
    stored.level = 0;
    stored.computerColour = 1;
    stored.gameMode = 2;
    stored.speed = 0;
    stored.allowDoubleThree = 1;
    stored.continuousPlay = 1;
    stored.markPrevious = 0;
    stored.sound = 0;
    stored.statusBar = 0;
    Bytes file = Encode(stored);
    EXPECT_EQ((Bytes{0x01, 0x2E, 0x00, 0x01, 0x02, 0x00, 0x01, 0x01, 0x00, 0x00, 0x00}), Record(file, 0));
    ExpectSameOptions(stored, DecodeSettings(file.data()));

    stored.level = 255;
    stored.computerColour = 128;
    stored.gameMode = 127;
    stored.speed = 0x107;
    stored.sound = -1;
    file = Encode(stored);
    EXPECT_EQ((Bytes{0xFF, 0x80, 0x7F, 0x07}), Bytes(file.begin() + 2, file.begin() + 6));
    EXPECT_EQ(0xFF, file[9]);
    Options back = DecodeSettings(file.data());
    EXPECT_EQ(-1, back.level);
    EXPECT_EQ(-128, back.computerColour);
    EXPECT_EQ(127, back.gameMode);
    EXPECT_EQ(7, back.speed);
    EXPECT_EQ(-1, back.sound);
}

TEST(SettingsBytes, DecimalTextWithNulLeavesTheRestOfTheRecord) {
    struct Case {
        int32_t value;
        const char* text;  // what replaces the start of the record
        int length;        // with its NUL, when there is one
    };
    const Case cases[] = {
        {0, "0", 2},
        {-40, "-40", 4},
        {700, "700", 4},
        {-1, "-1", 3},
        {1000000000, "1000000000", 11},
        {INT32_MAX, "2147483647", 11},
        {-999999999, "-999999999", 11},
        {INT32_MIN, "-2147483648", 11},  // fills the record: no NUL
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        Bytes record(kSettingsRecordSize, 0xAA);
        WriteDecimalText(c.value, record.data());
        Bytes expected(kSettingsRecordSize, 0xAA);
        memcpy(expected.data(), c.text, (size_t)c.length);  // the text and its NUL
        EXPECT_EQ(expected, record);
        EXPECT_EQ(c.value, ReadDecimalText(record.data()));
    }
    Bytes file = Encode(Stored(-40, 0, 2, 0));
    EXPECT_EQ((Bytes{0x2D, 0x34, 0x30, 0x00}), Bytes(file.begin() + 11, file.begin() + 15));
}

TEST(SettingsBytes, DecimalReaderStopsAtTheNulAndAtTheRecordEnd) {
    struct Case {
        const char* record;  // 11 bytes; the next record follows with "9999"
        int32_t value;
    };
    const Case cases[] = {
        {"-40\0\x01\x01\0\0\x01\x01\x01", -40},
        {"7\0\x33\x34\0\x01\0\0\x01\x01\x01", 7},
        {"\0\x35\x35\x35\x35\x35\x35\x35\x35\x35\x35", 0},
        {" \t\n+12\0\x39\x39\x39\x39", 12},
        {"12 34\0\0\0\0\0\0", 12},
        {"x12\0\0\0\0\0\0\0\0", 0},
        {"--5\0\0\0\0\0\0\0\0", 0},
        {"-\0\x35\0\0\0\0\0\0\0\0", 0},
        {"     123456", 123456},          // the 7 after it is the next record's
        {"00000000042", 42},
        {"-2147483648", INT32_MIN},
        {"99999999999", INT32_MAX},       // beyond 32 bits: the nearest value
        {"-9999999999", INT32_MIN},
        {"           ", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.record);
        uint8_t twoRecords[2 * kSettingsRecordSize];
        memcpy(twoRecords, c.record, kSettingsRecordSize);
        memset(twoRecords + kSettingsRecordSize, '7', kSettingsRecordSize);
        EXPECT_EQ(c.value, ReadDecimalText(twoRecords));
    }
}

TEST(SettingsBytes, StoredValuesComeBackExactly) {
    const Options cases[] = {
        Stored(kDefaultWindowPosition, kDefaultWindowPosition, 2, 0),
        Stored(-40, -3, 0, -7),
        Stored(1234, 7, 4, 818),
        Stored(0, 0, 700, 480),
        Stored(INT32_MAX, INT32_MIN, INT32_MAX, INT32_MIN),
    };
    for (const Options& stored : cases) {
        SCOPED_TRACE(stored.windowX);
        ExpectSameOptions(stored, DecodeSettings(Encode(stored).data()));
    }
}

TEST(SettingsBytes, OnlyAWholeFileWithTheRightHeaderIsValid) {
    Bytes longer = kMediumAt100x50;
    longer.resize(70, 0x55);
    EXPECT_TRUE(SettingsFileValid(kMediumAt100x50.data(), kSettingsFileSize));
    EXPECT_TRUE(SettingsFileValid(longer.data(), (int32_t)longer.size()));
    EXPECT_FALSE(SettingsFileValid(kMediumAt100x50.data(), kSettingsFileSize - 1));
    EXPECT_FALSE(SettingsFileValid(kMediumAt100x50.data(), 2));
    EXPECT_FALSE(SettingsFileValid(kMediumAt100x50.data(), 0));
    EXPECT_FALSE(SettingsFileValid(kMediumAt100x50.data(), -1));
    for (int header : {0, 1}) {
        Bytes other = kMediumAt100x50;
        other[header] ^= 1;  // 0, 46 and 1, 47
        EXPECT_FALSE(SettingsFileValid(other.data(), kSettingsFileSize)) << header;
    }
}

TEST(SettingsBytes, AnyDifferenceButAFixedWindowsHeightMeansRewrite) {
    const Options fixed = Stored(100, 50, 2, 644);
    const Options free = Stored(100, 50, 700, 500);
    struct Case {
        const char* change;
        void (*apply)(Options&);
    };
    const Case changes[] = {
        {"level", [](Options& o) { o.level = 0; }},
        {"computerColour", [](Options& o) { o.computerColour = 1; }},
        {"gameMode", [](Options& o) { o.gameMode = 2; }},
        {"speed", [](Options& o) { o.speed = 0; }},
        {"allowDoubleThree", [](Options& o) { o.allowDoubleThree = 1; }},
        {"continuousPlay", [](Options& o) { o.continuousPlay = 1; }},
        {"markPrevious", [](Options& o) { o.markPrevious = 0; }},
        {"sound", [](Options& o) { o.sound = 0; }},
        {"statusBar", [](Options& o) { o.statusBar = 0; }},
        {"windowX", [](Options& o) { o.windowX = -40; }},
        {"windowY", [](Options& o) { o.windowY = 51; }},
        {"size record", [](Options& o) { o.sizeIndex = o.sizeIndex == 2 ? 3 : 701; }},
    };
    for (const Options& stored : {fixed, free}) {
        Bytes file = Encode(stored);
        EXPECT_TRUE(SettingsMatch(file.data(), kSettingsFileSize, stored));
        for (const Case& c : changes) {
            Options current = stored;
            c.apply(current);
            EXPECT_FALSE(SettingsMatch(file.data(), kSettingsFileSize, current))
                << c.change << " with size record " << stored.sizeIndex;
        }
    }

    Options taller = fixed;
    taller.windowHeight = 700;
    EXPECT_TRUE(SettingsMatch(Encode(fixed).data(), kSettingsFileSize, taller));
    taller = free;
    taller.windowHeight = 501;
    EXPECT_FALSE(SettingsMatch(Encode(free).data(), kSettingsFileSize, taller));
}

TEST(SettingsBytes, ComparisonIgnoresTheHeaderButNeedsTheWholeFile) {
    Options stored = Stored(100, 50, 2, 644);
    Bytes file = Encode(stored);
    file[1] = 47;
    EXPECT_TRUE(SettingsMatch(file.data(), kSettingsFileSize, stored));
    // A short file is a difference, even when the fields it has agree.
    EXPECT_FALSE(SettingsMatch(file.data(), kSettingsFileSize - 1, stored));
    EXPECT_FALSE(SettingsMatch(file.data(), -1, stored));
    // Bytes after the 55th are not part of the file's content.
    file.resize(80, 0x33);
    EXPECT_TRUE(SettingsMatch(file.data(), (int32_t)file.size(), stored));
}

TEST(SettingsRanges, OutOfRangeOptionsTakeTheirDefaultsAndTheRestStay) {
    struct Case {
        const char* name;
        int32_t Options::*field;
        std::vector<int32_t> kept;
        std::vector<int32_t> replaced;
        int32_t fallback;
    };
    const Case cases[] = {
        {"level", &Options::level, {0, 1}, {-1, 2, 9, 127, -128}, 1},
        {"computerColour", &Options::computerColour, {1, 2}, {0, 3, 9, -1}, 2},
        {"gameMode", &Options::gameMode, {1, 2}, {0, 3, 9, -128}, 1},
        {"speed", &Options::speed, {0, 1}, {2, 7, -1}, 1},
        {"allowDoubleThree", &Options::allowDoubleThree, {0, 1}, {2, -1}, 0},
        {"continuousPlay", &Options::continuousPlay, {0, 1}, {2, -1}, 0},
        {"markPrevious", &Options::markPrevious, {0, 1}, {2, -1}, 1},
        {"sound", &Options::sound, {0, 1}, {2, -1}, 1},
        {"statusBar", &Options::statusBar, {0, 1}, {2, 100, -1}, 1},
        {"sizeIndex", &Options::sizeIndex, {0, 1, 4, 5, 700, INT32_MAX}, {-1, -3, INT32_MIN}, 2},
        {"windowX", &Options::windowX, {INT32_MIN, -40, 0, INT32_MAX}, {}, 0},
        {"windowY", &Options::windowY, {INT32_MIN, -40, 0, INT32_MAX}, {}, 0},
        {"windowHeight", &Options::windowHeight, {INT32_MIN, -5, 0, 644}, {}, 0},
    };
    for (const Case& c : cases) {
        // Start from values other than the defaults, so a reset would show.
        Options other = {0, 1, 2, 0, 1, 1, 0, 0, 0, 10, 20, 3, 30};
        for (int32_t value : c.kept) {
            Options values = other;
            values.*c.field = value;
            ReplaceOutOfRangeOptions(values);
            Options expected = other;
            expected.*c.field = value;
            SCOPED_TRACE(std::string(c.name) + " kept " + std::to_string(value));
            ExpectSameOptions(expected, values);
        }
        for (int32_t value : c.replaced) {
            Options values = other;
            values.*c.field = value;
            ReplaceOutOfRangeOptions(values);
            Options expected = other;
            expected.*c.field = c.fallback;
            SCOPED_TRACE(std::string(c.name) + " replaced " + std::to_string(value));
            ExpectSameOptions(expected, values);
        }
    }
}

}  // namespace
