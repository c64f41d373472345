#include <cstdio>
#include <cstdlib>

#include "fuzz/FuzzChecks.h"

void fuzzFail(const char* check, const char* what) {
  std::fprintf(stderr, "%s: %s\n", check, what);
  std::abort();
}
