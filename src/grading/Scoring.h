#pragma once
class Program;

// Sets AntRätt: one point for every ticked right row, one off for every ticked wrong row, over
// all 201 questions.
void RättaProv(Program& p);
// "Klicka för Poäng = ?": shows the score for three seconds.
void Label2_Click(Program& p);
// Turns the score display back to "Poäng = ?" and stops the timer.
void Timer1_Timer(Program& p);
