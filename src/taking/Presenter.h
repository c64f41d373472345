#pragma once
class Program;

// Shows a question of the loaded test. The caller sets Riktning first ("NÄSTA", "BACKA",
// "VSCHA", "VSSCR"); the navigation phase moves aktuellfråga and offers the buttons, the display
// phase fills the question's texts and restores the pupil's marks, and the end phase runs in
// every case. Setting the scroll bar to a question it does not show yet runs this again, nested,
// through the scroll bar's change event.
void VäxlaFråga(Program& p);

// The scroll bar's value as the presenter reads it: while the pupil drags the box, the dragged
// position (the value itself changes only when the drag ends).
int scrollVärde(Program& p);
