// The picture steps of the presenter. Filled in with the picture window's routines.
#include "app/Program.h"
#include "taking/Kinds.h"

namespace kind {
void P1(Program&) {}
void P3(Program&) {}
void P4(Program&) {}
void P5(Program&) {}
void P6(Program&) {}
void P7(Program&) {}
void P8(Program&) {}
void P9(Program&) {}
void P10(Program&) {}
void P11(Program&) {}
}  // namespace kind
