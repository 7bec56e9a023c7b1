#include "settings/settings_bytes.h"

#include <string.h>

const uint8_t kSettingsMagic[2] = {1, 46};

void WriteDecimalText(int32_t value, uint8_t record[kSettingsRecordSize]) {
    // Through 64 bits, so INT32_MIN has a magnitude too.
    int64_t magnitude = value < 0 ? -(int64_t)value : (int64_t)value;
    char digits[10];
    int32_t count = 0;
    do {
        digits[count++] = (char)('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);

    int32_t at = 0;
    if (value < 0) record[at++] = '-';
    while (count > 0) record[at++] = (uint8_t)digits[--count];
    if (at < kSettingsRecordSize) record[at] = 0;
}

static bool IsWhiteSpace(uint8_t c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

int32_t ReadDecimalText(const uint8_t record[kSettingsRecordSize]) {
    int32_t at = 0;
    while (at < kSettingsRecordSize && IsWhiteSpace(record[at])) at++;
    bool negative = false;
    if (at < kSettingsRecordSize && (record[at] == '+' || record[at] == '-')) {
        negative = record[at] == '-';
        at++;
    }
    // At most 11 digits, so 64 bits never overflow.
    int64_t value = 0;
    while (at < kSettingsRecordSize && record[at] >= '0' && record[at] <= '9') {
        value = value * 10 + (record[at] - '0');
        at++;
    }
    if (negative) value = -value;
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return (int32_t)value;
}

static uint8_t LowByte(int32_t value) { return (uint8_t)(value & 0xFF); }
static int32_t SignedByte(uint8_t byte) { return byte < 128 ? byte : byte - 256; }
static int32_t OnOff(uint8_t byte) { return byte != 0 ? 1 : 0; }

void EncodeSettings(const Options& stored, uint8_t file[kSettingsFileSize]) {
    uint8_t buffer[kSettingsRecordSize];
    buffer[0] = kSettingsMagic[0];
    buffer[1] = kSettingsMagic[1];
    buffer[2] = LowByte(stored.level);
    buffer[3] = LowByte(stored.computerColour);
    buffer[4] = LowByte(stored.gameMode);
    buffer[5] = LowByte(stored.speed);
    buffer[6] = LowByte(stored.allowDoubleThree);
    buffer[7] = LowByte(stored.continuousPlay);
    buffer[8] = LowByte(stored.markPrevious);
    buffer[9] = LowByte(stored.sound);
    buffer[10] = LowByte(stored.statusBar);
    memcpy(file, buffer, kSettingsRecordSize);

    const int32_t texts[4] = {stored.windowX, stored.windowY, stored.sizeIndex, stored.windowHeight};
    for (int32_t i = 0; i < 4; i++) {
        WriteDecimalText(texts[i], buffer);
        memcpy(file + (i + 1) * kSettingsRecordSize, buffer, kSettingsRecordSize);
    }
}

Options DecodeSettings(const uint8_t file[kSettingsFileSize]) {
    Options stored;
    stored.level = SignedByte(file[2]);
    stored.computerColour = SignedByte(file[3]);
    stored.gameMode = SignedByte(file[4]);
    stored.speed = SignedByte(file[5]);
    // The program asks of an on/off option only whether it is 0, so any
    // other byte means on.
    stored.allowDoubleThree = OnOff(file[6]);
    stored.continuousPlay = OnOff(file[7]);
    stored.markPrevious = OnOff(file[8]);
    stored.sound = OnOff(file[9]);
    stored.statusBar = OnOff(file[10]);
    stored.windowX = ReadDecimalText(file + 1 * kSettingsRecordSize);
    stored.windowY = ReadDecimalText(file + 2 * kSettingsRecordSize);
    stored.sizeIndex = ReadDecimalText(file + 3 * kSettingsRecordSize);
    stored.windowHeight = ReadDecimalText(file + 4 * kSettingsRecordSize);
    return stored;
}

bool SettingsFileValid(const uint8_t* data, int32_t length) {
    return length >= kSettingsFileSize && data[0] == kSettingsMagic[0] && data[1] == kSettingsMagic[1];
}

bool SettingsMatch(const uint8_t* data, int32_t length, const Options& current) {
    if (length < kSettingsFileSize) return false;
    Options stored = DecodeSettings(data);
    bool free = IsFreeSize(current.sizeIndex);
    return stored.level == current.level && stored.computerColour == current.computerColour &&
           stored.gameMode == current.gameMode && stored.speed == current.speed &&
           stored.allowDoubleThree == current.allowDoubleThree &&
           stored.continuousPlay == current.continuousPlay &&
           stored.markPrevious == current.markPrevious && stored.sound == current.sound &&
           stored.statusBar == current.statusBar && stored.windowX == current.windowX &&
           stored.windowY == current.windowY && stored.sizeIndex == current.sizeIndex &&
           (!free || stored.windowHeight == current.windowHeight);
}
