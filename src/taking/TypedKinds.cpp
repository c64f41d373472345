// The typed-answer step of the presenter.
#include "app/Program.h"
#include "taking/Kinds.h"

namespace kind {
void P2(Program&) {}
}  // namespace kind
