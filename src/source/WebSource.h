#pragma once
// The web server the tests and their pictures come from. Every download passes through
// "temp.txt" in the working folder and is read back with the field rules of the text files.
//
// Failures are exceptions that leave these routines:
// - HttpError: a transfer that cannot be made (refused, stalled, too large, a non-2xx answer)
//   and, from LaddaWebbBild, a picture name that is not a bare file name;
// - FileError: "temp.txt" or a picture that cannot be written;
// - IndexError: the filling of a test reached question 201;
// - std::runtime_error: any other reason a test fetch ends (see LaddaTestFilWebb).
// All of them derive from std::exception.
#include <QString>

class Program;

// The address the tests lie under: the server address followed by "distanstest/".
QString testFolderAddress(const Program& p);

// Fetches the server's test list ("tester.txt") into List1, sorted; names that have the form
// of a number are listed in their plain decimal form. Afterwards "temp.txt" holds "7" CR LF.
// Throws on any failure, and List1 is then left as it was. A list of more than 10 000 names
// fails (std::runtime_error) rather than hold the window while it is sorted.
void LaddaTesterWebb(Program& p);

// Fetches the test named in Text5 (unless it is "Ingen test vald !") into List4 and fills
// the question table from its fields: field 0 gives ProvInfo and VScroll1's maximum, fields
// 1, 2, ... fill cells 0..9 of question 0, 1, ... until the fields are used up (a normal
// return). The fetch ends by throwing when
// - the transfer fails or "temp.txt" cannot be written or read (HttpError, FileError,
//   std::runtime_error);
// - the name in Text5 is shorter than four characters (std::runtime_error);
// - List4 is empty (std::runtime_error; also when nothing has been picked yet);
// - field 0 is not a number (std::runtime_error; the table is left untouched);
// - the filling reaches question 201 (IndexError; the cells filled before stay).
// The caller (the test loader) goes on with its completion steps after any of them.
void LaddaTestFilWebb(Program& p);

// Fetches strURL3 and stores it in the working folder as WebbBild, unless WebbBild is exactly
// "Bild". Only a bare file name is written: a name with a folder, a drive or ".." fails like a
// failed transfer (HttpError) and writes nothing.
void LaddaWebbBild(Program& p);

// Resets "temp.txt" to the single line 7 (the bytes "7" CR LF). Throws FileError.
void RaderaTestFilWebb(Program& p);
