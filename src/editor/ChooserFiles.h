#pragma once
// What the chooser's routines share: paths of the chosen files and loading their pictures.
#include <QImage>
#include <QString>

class Chooser;
class Program;

// A folder and a file name with one "/" between them ("/" + "a.bmp" gives "/a.bmp").
QString joinFolder(const QString& folder, const QString& fileName);
// The file selected in File2 with File2's folder.
QString selectedPath(const Chooser& c);
// The last three characters of the file selected in File2, blanks trimmed, in upper case
// ("" when nothing is selected).
QString selectedExtension(const Chooser& c);
// The picture of a file; a file that holds no picture we can show gives a message box and
// a null image.
QImage loadOrTell(Program& p, const QString& path);
// The chosen name, lblVBild, which sizes itself to its text.
void setChosenName(Chooser& c, const QString& name);
