#include "LinkLauncher.h"
#include "MessageBox.h"

#include <QDesktopServices>
#include <QUrl>

namespace dialogkit {

namespace {

LinkLauncher& CurrentLauncher() {
  static LinkLauncher launcher;
  return launcher;
}

} // namespace

void SetLinkLauncher(LinkLauncher launcher) { CurrentLauncher() = std::move(launcher); }

void OpenLink(QWidget* owner, const QUrl& url, const QString& failureText, const QString& caption) {
  const LinkLauncher& launcher = CurrentLauncher();
  const bool opened = launcher ? launcher(url) : QDesktopServices::openUrl(url);
  if (opened)
    return;
  ShowMessageBox(owner, QMessageBox::Critical, caption, failureText);
}

} // namespace dialogkit
