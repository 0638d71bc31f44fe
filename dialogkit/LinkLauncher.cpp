#include "LinkLauncher.h"
#include "Desktop.h"
#include "MessageBox.h"
#include "OwnedModal.h"

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

bool OpenWithDesktop(QWidget* owner, const QUrl& url) {
#ifdef Q_OS_WIN
  return ShellOpened(ShellOpen(owner, url));
#else
  Q_UNUSED(owner);
  return QDesktopServices::openUrl(url);
#endif
}

void OpenLink(QWidget* owner, const QUrl& url, const QString& failureText, const QString& caption) {
  const LinkLauncher& launcher = CurrentLauncher();
  const bool opened = launcher ? launcher(url) : OpenWithDesktop(owner, url);
  if (opened)
    return;
  // The owner gets its activation and focus back when the box closes.
  const auto show = [&] { ShowMessageBox(owner, QMessageBox::Critical, caption, failureText); };
  if (owner != nullptr)
    RunOwnedModal(*owner, show);
  else
    show();
}

} // namespace dialogkit
