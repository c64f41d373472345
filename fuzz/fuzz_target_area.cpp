// libFuzzer entry: the target area of cell 7 and the judgement of a click.
#include "fuzz/FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  checkTargetArea(data, size);
  return 0;
}
