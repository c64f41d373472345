#pragma once
#include <QString>
#include <QStringList>

// The first fields of a text, read by the rules of readFields, at most `max` of them:
// readFields(text).mid(0, max). It reads only as much of the text as those fields need, so a
// downloaded text of many megabytes with millions of empty lines costs little more than the
// fields that are kept.
QStringList firstFields(const QString& text, qsizetype max);
