#include "CalculatorApp.h"
#include "dialogkit/Text.h"

#include "calculator/CalculatorDlg.h"
#include "settings/PersistedSettings.h"
#include "version/VersionData.h"

#include <QApplication>

CCalculatorApp::CCalculatorApp(QApplication& app) : m_app(app) {}

bool CCalculatorApp::InitInstance() {
  // The store is <maker>/<executable base name>.
  QApplication::setOrganizationName(dialogkit::ToQString(version::data::MakerName));
  const QString name = settings::StoreApplicationName(QCoreApplication::applicationFilePath());
  if (!name.isEmpty())
    QApplication::setApplicationName(name);
  calculator::CCalculatorDlg dialog;
  dialog.DoModal();
  return false;
}
