// The author-information box: a short credit and a button to e-mail the author.
#pragma once

#include "dialogkit/TemplateBuilder.h"

#include <QDialog>
#include <QString>

namespace about {

class CAuthorInfoDlg : public QDialog {
  Q_OBJECT

public:
  CAuthorInfoDlg(QString text, QString title, QWidget* parent = nullptr);
  ~CAuthorInfoDlg() override;

  int DoModal();
  void Create();

  QWidget* GetDlgItem(int id) const { return m_controls.Item(id); }

private:
  bool OnInitDialog();
  void OnEmailAuthor();

  dialogkit::BuiltControls m_controls;
  QString m_strMsgCaption;
  QString m_strText;
  QString m_strTitle;
};

} // namespace about
