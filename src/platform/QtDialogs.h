#pragma once
#include "platform/Dialogs.h"

class QWidget;

// Qt's own message and input boxes, application modal, with Qt's Swedish button texts.
class QtDialogs : public Dialogs {
 public:
  void msgBox(const QString& text) override;
  QString inputBox(const QString& prompt, const QString& title,
                   const QString& defaultText) override;
  void setParent(QWidget* parent) { parent_ = parent; }

 private:
  QWidget* parent_ = nullptr;
};
