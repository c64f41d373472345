// The baseline of the whole-process figures: the least a Qt Widgets program does to put one input
// box on the screen, with the title and prompt of the sign-in's first box.
//
// Built a second time as minimal_inputbox_curl, linked with libcurl and starting it as the program
// does (curl_global_init), to show what the HTTP library alone adds to both figures.
#include <QApplication>
#include <QInputDialog>

#ifdef MINIMAL_WITH_CURL
#include <curl/curl.h>
#endif

int main(int argc, char** argv) {
#ifdef MINIMAL_WITH_CURL
  curl_global_init(CURL_GLOBAL_DEFAULT);
#endif
  QApplication app(argc, argv);
  QInputDialog box;
  box.setWindowTitle(QStringLiteral("NAMN"));
  box.setLabelText(QStringLiteral("ANGE NAMN"));
  return box.exec() == QDialog::Accepted ? 0 : 1;
}
