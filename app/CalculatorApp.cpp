#include "CalculatorApp.h"

#include "ui/CalculatorDlg.h"
#include "ui/PersistedSettings.h"

#include <QApplication>

CCalculatorApp::CCalculatorApp(QApplication& app) : m_app(app) {}

bool CCalculatorApp::InitInstance() {
  // The store is Orrelby/<executable base name>.
  QApplication::setOrganizationName(QStringLiteral("Orrelby"));
  const QString name = ui::StoreApplicationName(QCoreApplication::applicationFilePath());
  if (!name.isEmpty())
    QApplication::setApplicationName(name);
  ui::CCalculatorDlg dialog;
  dialog.DoModal();
  return false;
}
