#pragma once
class Program;

// The moves between questions. Each says why the presenter runs and runs it; the two buttons
// also clear what belongs to the question left (the verdict, the picture window's answered
// notice, the picture-click flag). The scroll bar clears nothing.
void CmdBakåt_Click(Program& p);
void CmdNästa_Click(Program& p);
// The scroll bar's value changed: an arrow or track click, the end of a drag, or a value set in
// code (the presenter's own, which runs it nested).
void VScroll1_Change(Program& p);
// The pupil drags the scroll box.
void VScroll1_Scroll(Program& p);
