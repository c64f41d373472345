#pragma once
#include <QString>
#include <QStringList>

// Where the tests come from and where files go. The server address ends in "/"; the tests lie
// under it in "distanstest/".
struct Config {
  QString serverAddress;
  QString workDir;
};

// --server URL, else LUMIVO_SERVER, else the bundled sample tests as a file:// address;
// --workdir DIR, else the current folder. Returns false with a message for bad arguments
// (and for --help, with the usage as the message).
bool readConfig(const QStringList& args, Config& config, QString& message);
// The bundled samples: the installed copy, else the source tree's.
QString bundledExamples();
