#pragma once
// The checks the fuzz targets run on each input. They live apart from the libFuzzer entry
// points so that the test suite replays every input that ever made one of them fail
// (tests/data/fuzz/<target>/) through exactly the same code. A check that finds a fault
// prints what it found and aborts, as a crash would.
#include <cstddef>
#include <cstdint>

// The field reader over arbitrary bytes: readFields, valueSlot, and firstFields against the
// whole reading on long texts.
void checkFields(const uint8_t* data, size_t size);

// A whole web test load: the bytes served through a file:// address into a fresh program,
// every question stepped through with "NÄSTA", checked and scored, the result files written.
// The bytes after the first "\0BILD\0" are the picture every picture name of the test gets.
// Needs a QApplication.
void checkWebLoad(const uint8_t* data, size_t size);

// The target area read from cell 7 and the judgement of a click, from "cell7\nx\ny".
void checkTargetArea(const uint8_t* data, size_t size);

// The test file round trip: a table written and read back is the same table but for the
// cells the save reports; with the first byte odd, the bytes are a test file read, written
// and read again.
void checkTestFile(const uint8_t* data, size_t size);

// Reports a fault a check found and aborts.
[[noreturn]] void fuzzFail(const char* check, const char* what);
