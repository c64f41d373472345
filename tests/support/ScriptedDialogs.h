#pragma once
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

#include "platform/Dialogs.h"

// Message and input boxes for tests: every message is recorded, every input box is answered
// from a queue (nullopt = the user cancelled). An input box with nothing queued fails the test.
class ScriptedDialogs : public Dialogs {
 public:
  struct Input {
    QString prompt, title, defaultText;
  };
  void msgBox(const QString& text) override {
    messages << text;
    if (onMessage) onMessage(text);
  }
  QString inputBox(const QString& prompt, const QString& title,
                   const QString& defaultText) override {
    inputs.push_back({prompt, title, defaultText});
    if (answers.empty())
      throw std::logic_error("an input box came up that the test did not expect");
    QString text;
    if (answers.front().has_value()) text = *answers.front();
    answers.pop_front();
    return text;
  }
  // Queue answers: a text, or std::nullopt for Cancel.
  void answer(std::optional<QString> a) { answers.push_back(std::move(a)); }

  QStringList messages;
  std::vector<Input> inputs;
  std::deque<std::optional<QString>> answers;
  // Runs while a message box is "open" (e.g. to check what the window shows meanwhile).
  std::function<void(const QString&)> onMessage;
};
