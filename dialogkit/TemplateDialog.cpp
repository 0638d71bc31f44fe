#include "TemplateDialog.h"

namespace dialogkit {

TemplateDialog::TemplateDialog(const DialogTemplate& tmpl, QIcon icon, QWidget* parent)
    : QDialog(parent), m_template(tmpl), m_icon(std::move(icon)) {
  SetDialogFrame(*this);
}

void TemplateDialog::Create() {
  if (!m_controls.ordered.empty())
    return;
  m_controls = BuildFromTemplate(*this, m_template, m_icon);
  OnCreate();
}

int TemplateDialog::DoModal() {
  Create();
  return exec();
}

} // namespace dialogkit
