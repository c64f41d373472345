#pragma once
// Colours and fonts of the controls as designed.
#include <QColor>
#include <QFont>
#include <QString>

class QWidget;
class QLabel;
class QPlainTextEdit;
class QPushButton;

inline const QString kSansSerif = QStringLiteral("MS Sans Serif");
inline const QString kArial = QStringLiteral("Arial");

// A font of the given family and size in points; a missing family falls back to the system's
// sans-serif font.
QFont designFont(const QString& family, double points, bool bold);
// Fills the control's background with a colour.
void paintBackground(QWidget* w, const QColor& c);
// A label's text colour, font and alignment; an invalid background leaves it transparent.
void styleLabel(QLabel* l, const QColor& text, const QFont& f, Qt::Alignment align,
                const QColor& background = QColor());
void setTextColor(QWidget* w, const QColor& c);
QColor textColor(const QWidget* w);
// A text box's colours, font and border.
void styleText(QPlainTextEdit* t, const QColor& background, const QColor& text, const QFont& f,
               bool border);
void styleButton(QPushButton* b, const QColor& background, const QFont& f);
// A label that sizes itself to its text.
void sizeToText(QLabel* l);
