#include "MessageBox.h"

namespace dialogkit {

namespace {

MessageBoxAnswerer& CurrentAnswerer() {
  static MessageBoxAnswerer answerer;
  return answerer;
}

} // namespace

QMessageBox::StandardButton ShowMessageBox(QWidget* owner, QMessageBox::Icon icon,
                                           const QString& caption, const QString& text,
                                           QMessageBox::StandardButtons buttons) {
  if (const MessageBoxAnswerer& answer = CurrentAnswerer())
    return answer({text, caption, icon, owner});
  QMessageBox box(icon, caption, text, buttons, owner);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

void SetMessageBoxAnswerer(MessageBoxAnswerer answerer) { CurrentAnswerer() = std::move(answerer); }

} // namespace dialogkit
