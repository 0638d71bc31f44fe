// An edit that lets the user type, paste or drop digits only, while text the
// program sets (12.5, 1e+06) shows as written.
#pragma once

#include "FormEdit.h"

namespace dialogkit {

class DigitsOnlyEdit : public FormEdit {
public:
  explicit DigitsOnlyEdit(QWidget* parent = nullptr);

  static bool IsDigits(const QString& text);

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void dropEvent(QDropEvent* event) override;

private:
  void PasteDigits();
};

} // namespace dialogkit
