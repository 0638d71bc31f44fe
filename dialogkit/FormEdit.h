// An edit of a dialog's form. Disabled, it still shows a result the user has
// to read: its text keeps a contrast of at least 4.5:1 on the disabled
// background, where the styles' own grey is far paler, and stays lighter
// than an enabled edit's text so the two remain distinct.
#pragma once

#include <QLineEdit>

namespace dialogkit {

class FormEdit : public QLineEdit {
public:
  explicit FormEdit(QWidget* parent = nullptr);

protected:
  void changeEvent(QEvent* event) override;

private:
  void KeepDisabledTextReadable();
  bool m_adjusting = false;
};

} // namespace dialogkit
