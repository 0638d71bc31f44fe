#include "LinkLauncher.h"

#include <QDesktopServices>
#include <QMessageBox>
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
  QMessageBox box(QMessageBox::Critical, caption, failureText, QMessageBox::Ok, owner);
  box.exec();
}

} // namespace dialogkit
