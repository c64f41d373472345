#pragma once
#include <functional>

class Program;
class FrmBild;

// Connects every control event of the main window to its handler. The picture window's
// events are connected each time the window is created.
void wire(Program& p);
void wirePictureWindow(Program& p, FrmBild& f);

// Runs an event handler; a failure that no routine handled is told in a message box instead
// of reaching the event loop.
void runHandler(Program& p, const char* name, const std::function<void()>& handler);
