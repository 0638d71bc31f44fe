// The application object: names the settings store after the maker, runs the
// calculator dialog once, modally, and ends.
#pragma once

class QApplication;

class CCalculatorApp {
public:
  explicit CCalculatorApp(QApplication& app);
  // Returns false: the program's whole life is the one modal run.
  bool InitInstance();

private:
  QApplication& m_app;
};
