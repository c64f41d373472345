// libFuzzer entry: the field reader over arbitrary bytes.
#include "fuzz/FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  checkFields(data, size);
  return 0;
}
