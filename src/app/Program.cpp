#include "app/Program.h"

#include <QCoreApplication>
#include <QDir>

#include "app/Form1.h"
#include "picture/FrmBild.h"

Program::Program(Services services)
    : services_(std::move(services)), form1_(std::make_unique<Form1>()) {}

Program::~Program() = default;

QString Program::inWorkDir(const QString& name) const {
  return QDir(services_.workDir).filePath(name);
}

FrmBild& Program::frmBild() {
  if (!frmBild_) {
    frmBild_ = std::make_unique<FrmBild>();
    frmBild_->onClosed = [this] { frmBildClosed(); };
    if (wireFrmBild) wireFrmBild(*frmBild_);
  }
  return *frmBild_;
}

void Program::frmBildClosed() {
  // The close box destroys the window; it is made afresh, in its designed state, on next use.
  // It is still inside its own close event, so it goes once that event has returned.
  if (frmBild_) frmBild_.release()->deleteLater();
}

void Program::endProgram() {
  ended_ = true;
  if (frmBild_) frmBild_->hide();
  form1_->hide();
  QCoreApplication::exit(0);
}
