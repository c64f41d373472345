#pragma once
#include <QString>

class Program;

// Saves the whole question table as a new test file in the working folder, named from the
// day, hour and minute and the name the teacher types, then lists the folder's tests.
void SPARAREDIGERATPROV(Program& p);

// A typed name as a piece of a file name: characters that file systems refuse
// (/ \ : * ? " < > | and control characters) become "_", so the file stays in the folder.
QString fileNamePiece(const QString& typed);
