#include "CalculatorApp.h"

#include "ui/CalculatorDlg.h"

#include <QApplication>

CCalculatorApp::CCalculatorApp(QApplication& app) : m_app(app) {}

bool CCalculatorApp::InitInstance() {
  // The store is Orrelby/<executable base name>; Qt's application name is
  // the executable's base name unless someone sets another.
  QApplication::setOrganizationName(QStringLiteral("Orrelby"));
  ui::CCalculatorDlg dialog;
  dialog.DoModal();
  return false;
}
