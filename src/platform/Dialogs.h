#pragma once
#include <QString>

// The modal boxes the program asks and tells through. Tests replace them with a script.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A message with one OK button; returns when the user has closed it.
  virtual void msgBox(const QString& text) = 0;
  // An input box with a prompt, a title and a default text; a cancelled box gives "".
  virtual QString inputBox(const QString& prompt, const QString& title,
                           const QString& defaultText) = 0;
};
