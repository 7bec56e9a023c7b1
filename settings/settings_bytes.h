// The 55 bytes of the settings file and the values they stand for, as pure
// functions over a buffer. The stored form of the options is an Options
// whose sizeIndex holds the size record: a fixed size 0..4, or the outer
// width of a Free window.
#pragma once

#include <stdint.h>

#include "settings/options.h"
#include "settings/settings_file.h"

// value as decimal text at the start of the record: "-" for a negative
// value, the digits, then a NUL unless the text already fills the record
// (only INT32_MIN does). The bytes after the NUL are left as they were.
void WriteDecimalText(int32_t value, uint8_t record[kSettingsRecordSize]);

// The decimal text at the start of the record: white space, one optional
// sign, digits. Stops at the first other byte (the NUL) and never reads
// past the record; no digits give 0, a value beyond 32 bits its nearest.
int32_t ReadDecimalText(const uint8_t record[kSettingsRecordSize]);

// The whole file for the stored values: the header and the nine option
// bytes, then the four text records, all written through one 11-byte
// buffer so each record keeps the previous one's bytes after its NUL.
void EncodeSettings(const Options& stored, uint8_t file[kSettingsFileSize]);

// The stored values of a whole file: the five on/off options 1 for any
// byte but 0, the other option bytes as signed bytes with no range checks,
// the header not looked at.
Options DecodeSettings(const uint8_t file[kSettingsFileSize]);

// True when the data holds a whole file (55 bytes or more) with the right
// header. length is what a read returned: -1 for a file that could not be
// opened.
bool SettingsFileValid(const uint8_t* data, int32_t length);

// True when the file already holds the current stored values, so it need
// not be written: the nine option bytes, windowX, windowY and the size
// record, and the height only for a Free size. The header is not compared;
// a short or unreadable file never matches.
bool SettingsMatch(const uint8_t* data, int32_t length, const Options& current);
