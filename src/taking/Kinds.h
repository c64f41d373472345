#pragma once
// The kind steps of the question presenter: typed answers (P2) and pictures (P1, P3 to P11).
// From P3 on the presenter runs each step on its own and skips one that fails.
class Program;

namespace kind {
void P1(Program& p);   // target frame hidden; shown again for a teacher
void P2(Program& p);   // typed-answer kinds: heading without marker, answer box
void P3(Program& p);   // BILDTYP and Klick
void P4(Program& p);   // answer rows shown, row 6 hidden for "reserv"
void P5(Program& p);   // KlickBild for a picture-click question
void P6(Program& p);   // picture window normal, placed
void P7(Program& p);   // picture window shown or hidden
void P8(Program& p);   // the picture loaded, fetched from the server when missing
void P9(Program& p);   // picture window sized to the picture
void P10(Program& p);  // target frame from cell 7
void P11(Program& p);  // teacher's target frame and coordinate fields
}  // namespace kind
