#include "CalculatorApp.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
#ifdef QUILLFEN_APP_ID
  // Lets the desktop match the window to its launcher and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(QUILLFEN_APP_ID));
#endif
  CCalculatorApp calculator(app);
  calculator.InitInstance();
  return 0;
}
