#pragma once
#include <QByteArray>
#include <QString>

class Program;

// The base name of the result files: INFIL without its last four characters (the ".tst"), then
// ".txt". An INFIL shorter than four characters gives an empty base name.
QString basnamn(const QString& INFIL);
// A file name that stays in the working folder: the characters file systems refuse
// (/ \ : * ? " < > | and control characters) become "_", and a name that would be empty, "." or
// ".." becomes underscores.
QString säkertFilnamn(const QString& name);
// The answers file's name: with a class KLASS, a space, ANVÄNDARE, a space, the number text of
// AntRätt and the base name; without a class ANVÄNDARE, a space and the base name. Made safe.
QString svarsfilnamn(const Program& p);

// The whole answers file: four header lines, then 201 blocks of the question number, the marks
// of rows 2 to 6 and the typed answer. Windows-1252, CR LF after every line.
QByteArray svarsfil(const Program& p);
// Writes the answers file into the working folder, replacing one of the same name whole.
// Throws FileError when it cannot be written.
void SPARASVAR(const Program& p);
