#pragma once
#include <QByteArray>
#include <QString>

class Program;

// A question is answered wrongly when one of its rows 2 to 6 is a right row ("r ") left
// unticked or a wrong row ("f ") ticked.
bool felbesvarad(const Program& p, int q);
// "Fel" followed by the answers file's name.
QString felfilnamn(const Program& p);
// The whole wrong-answers file: the file name, time and date, then one "Fråga" line with the
// question text per wrongly answered question. Windows-1252, CR LF after every line.
QByteArray felfil(const Program& p);
// Writes the wrong-answers file into the working folder, replacing one of the same name whole.
// Throws FileError when it cannot be written.
void SPARAFELFRÅGOR(const Program& p);
