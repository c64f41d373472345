#pragma once
#include <QString>
#include <functional>
#include <memory>

#include "app/ProgramState.h"
#include "model/QuestionTable.h"
#include "taking/AnswerMarks.h"

class Http;
class Dialogs;
class Clock;
class Form1;
class FrmBild;

// What the program reaches the outside through.
struct Services {
  Http& http;
  Dialogs& dialogs;
  Clock& clock;
  QString workDir;        // every file name is resolved against it
  QString serverAddress;  // ends in "/"; the tests lie under serverAddress + "distanstest/"
};

// Everything one run of the program has: its state, the loaded test, the pupil's answers and
// the two windows. The routines are free functions over it, in the folders of their subsystems.
class Program : public ProgramState {
 public:
  explicit Program(Services services);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  QuestionTable table;
  AnswerMarks marks;
  TypedAnswers typed;

  Http& http() { return services_.http; }
  Dialogs& dialogs() { return services_.dialogs; }
  const Clock& clock() const { return services_.clock; }
  const QString& serverAddress() const { return services_.serverAddress; }
  const QString& workDir() const { return services_.workDir; }
  // A file name of the working folder as a path.
  QString inWorkDir(const QString& name) const;

  Form1& form() { return *form1_; }
  // The picture window, created hidden on first use (and again after its close box destroyed it).
  FrmBild& frmBild();
  // The picture window if it exists now, without creating it.
  FrmBild* frmBildIfLoaded() { return frmBild_.get(); }
  // Called when the picture window's close box destroys it.
  void frmBildClosed();

  // Ends the program at once: windows close and no further events run.
  void endProgram();
  bool ended() const { return ended_; }

  // Set by the wiring: connects a newly created picture window's events.
  std::function<void(FrmBild&)> wireFrmBild;

 private:
  Services services_;
  std::unique_ptr<Form1> form1_;
  std::unique_ptr<FrmBild> frmBild_;
  bool ended_ = false;
};
