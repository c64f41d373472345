// libFuzzer entry: the test file round trip.
#include "fuzz/FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  checkTestFile(data, size);
  return 0;
}
