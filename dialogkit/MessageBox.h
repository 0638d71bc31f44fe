// Every message box of the program goes through here, so that tests can
// answer boxes without a real one opening (the way KeePassXC's
// MessageBox::setNextAnswer works).
#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

namespace dialogkit {

struct MessageBoxShown {
  QString text;
  QString caption;
  QMessageBox::Icon icon;
  QWidget* owner = nullptr; // the window the box would have been modal over
  // The same box: what it says, however it was owned.
  bool operator==(const MessageBoxShown& other) const {
    return text == other.text && caption == other.caption && icon == other.icon;
  }
};

// Shows a modal box owned by `owner` and returns the button that closed it;
// Enter presses `defaultButton` when it is one of `buttons`.
QMessageBox::StandardButton
ShowMessageBox(QWidget* owner, QMessageBox::Icon icon, const QString& caption, const QString& text,
               QMessageBox::StandardButtons buttons = QMessageBox::Ok,
               QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

// While set, no box opens: the answerer is told what would have been shown
// and its answer is returned at once. nullptr brings the real boxes back.
using MessageBoxAnswerer = std::function<QMessageBox::StandardButton(const MessageBoxShown&)>;
void SetMessageBoxAnswerer(MessageBoxAnswerer answerer);

} // namespace dialogkit
