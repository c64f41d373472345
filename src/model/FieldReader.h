#pragma once
// The reading rule of the text files the program reads (the test list and a web test):
// field by field, not line by line.
//
// - A field ends at a comma or at a line end (CR LF, LF alone or CR alone).
// - Blanks (spaces and tabs) before a field are skipped.
// - A field that begins with a double quote runs to the next double quote, across
//   commas and line ends; the quotes are not part of the value, and whatever follows
//   the closing quote up to the field's end is dropped. A quote that is never closed
//   runs to the end of the text.
// - An empty line is one empty field; trailing blanks of an unquoted field are kept.
// - A comma always begins another field; a line end begins one only when text follows.
//   So "7\r\n" is the one field "7", and "a,\r\n" is "a" and "".
#include <QString>
#include <QStringList>

QStringList readFields(const QString& text);

// A field read into a value slot (the test list): a field that has the form of a number
// (see strictNumber) becomes that number in its plain decimal form ("007" -> "7",
// "1.50" -> "1.5", "-0" -> "0", "1e3" -> "1000"); any other field stays as it is.
QString valueSlot(const QString& field);
