// A dialog built from a control table: made once, run modally, its controls
// found by identifier. Each window of the program derives from it.
#pragma once

#include "DialogTemplate.h"
#include "TemplateBuilder.h"

#include <QAbstractButton>
#include <QDialog>
#include <QIcon>

namespace dialogkit {

class TemplateDialog : public QDialog {
  Q_OBJECT

public:
  // Creates the controls (once) and runs the dialog modally.
  int DoModal();
  // Creates the controls and runs the window's initialisation without
  // showing it; DoModal calls it, tests call it before show().
  void Create();

  QWidget* GetDlgItem(int id) const { return m_controls.Item(id); }
  const BuiltControls& Controls() const { return m_controls; }

protected:
  // `icon` is what the template's icon controls show and the window's icon.
  TemplateDialog(const DialogTemplate& tmpl, QIcon icon, QWidget* parent);
  const QIcon& Icon() const { return m_icon; }
  // Runs `handler` on this dialog when the push button `id` is clicked.
  template <class Dialog> void ConnectClick(int id, void (Dialog::*handler)()) {
    connect(qobject_cast<QAbstractButton*>(GetDlgItem(id)), &QAbstractButton::clicked,
            static_cast<Dialog*>(this), handler);
  }
  // Connects the controls and initialises the window; Create calls it once,
  // right after the controls exist.
  virtual void OnCreate() = 0;

private:
  // A copy: the template may be a temporary; the control table it spans is
  // the caller's constant.
  DialogTemplate m_template;
  QIcon m_icon;
  BuiltControls m_controls;
};

} // namespace dialogkit
