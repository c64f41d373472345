#pragma once
// The picture-click question on the main window: the answer area covered, the rows hidden,
// the question marked as a picture question, and the notice when it was answered before.
class Program;
class FrmBild;

// Puts the main window into picture-question mode for the question shown. The presenter runs
// it after it has restored the check boxes from the marks and set Klick to 1.
void KlickBild(Program& p);

// Centres the answered notice (Label1) across the picture window.
void FråganBesvarad(FrmBild& b);
