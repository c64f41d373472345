#pragma once
// Numbers as the program shows and reads them.
//
// Number text: one blank (a minus sign for a negative number) and the decimal digits,
// 12 -> " 12", -3 -> "-3". Printed number: the number text and one more blank, the form
// of a number standing alone on a line of a result file. Plain text: the digits alone.
#include <QString>
#include <QtGlobal>
#include <concepts>
#include <optional>

QString numberText(qint64 n);
// A double in the same form. Whole values below 1e15 in size are written as digits
// (" 1000", "-7"); every other value in the shortest form that reads back with up to
// 15 significant digits, with a "0" before the point and an exponent only where the
// value needs one (" 0.5", "-1.25", " 1e+20"). Minus zero is " 0".
QString numberText(double x);
// Integers of any width take the whole-number form (without this, a qint16 or int
// would be ambiguous between the two overloads above).
template <std::integral T>
QString numberText(T n) {
  return numberText(static_cast<qint64>(n));
}
QString printedNumber(qint64 n);  // " 12 ", "-3 "
QString plainText(qint64 n);      // "12", "-3"
// numberText(x) without its sign place: "1.5", "-1.5", "1000".
QString plainNumber(double x);

// The leading number of a text: blanks (spaces and tabs) are ignored wherever they
// stand; then as many characters as form a number are taken: a sign, digits, a decimal
// point, an exponent (E or e, an optional sign, digits; an E without digits after it is
// not part of the number). No number gives 0. A number too large for a double gives
// an infinity with its sign. Never throws.
double leadingNumber(const QString& text);

// The whole text, blanks around it allowed, read as a number: "0590" and " 590" give 590;
// "X059", "rese", "", "5 90", "1e" fail, and so do texts whose value is not finite.
std::optional<double> strictNumber(const QString& text);

// x rounded to a 16-bit integer, halves to the even neighbour. Outside -32768..32767
// (and for NaN) the result is 0 and *ok is set to false.
qint16 roundToInt16(double x, bool* ok = nullptr);
