#pragma once
// A whole program brought up as a pupil starts it, against a server that serves two small
// tests with a picture, so that a fault can be put in the way of any one fetch or write.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

#include "support/LoopbackServer.h"
#include "support/ProgramFixture.h"

class ReliabilityFixture : public ProgramFixture {
 protected:
  // Replaces the program by a fresh one that fetches from `serverAddress` and works in
  // `workDir`.
  void restart(const QString& serverAddress, const QString& workDir);
  // Serves the test list (t0.tst, t1.tst) and both tests with their picture p.png on `s`.
  // t0: question 1 plain, question 2 shows p.png, question 3 a picture-click question on
  // "bild"; t1: two plain questions.
  static void serveTests(LoopbackServer& s);
  // The start-up with a pupil signing in.
  void startUp(const QString& name = QStringLiteral("Elev"),
               const QString& klass = QStringLiteral("7A"));
  // Picks a test in List1 and presses "Ladda Test".
  void load(const QString& name);
  // A click on a button the window offers; false when it is not offered.
  bool press(QWidget* button);
  // Goes forward with "NÄSTA" until the question with this index is shown.
  void goTo(int q);
  // Signs in again through a double click on Label1.
  void signInAgain(const QString& name, const QString& klass);

  // The messages shown so far that contain the text.
  QStringList messagesWith(const QString& text) const;
  // Messages that say a handler failed with nothing to handle it.
  QStringList unexpectedFailures() const { return messagesWith(QStringLiteral("oväntat fel")); }
  // Files and folders of the working folder.
  QStringList workEntries() const;

  QString workDir;

 public:
  static QByteArray smallPng();
  static const QString kPicture;  // "p.png"
  static const std::string kPicturePath;
  static const std::string kListPath;
  static const std::string kTestPath;  // t1
};
