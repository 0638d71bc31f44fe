// The author-information box: a short credit and a button to e-mail the author.
#pragma once

#include "dialogkit/TemplateDialog.h"

#include <QDialog>
#include <QString>

namespace about {

class CAuthorInfoDlg : public dialogkit::TemplateDialog {
  Q_OBJECT

public:
  CAuthorInfoDlg(QString text, QString title, QWidget* parent = nullptr);
  ~CAuthorInfoDlg() override;

private:
  void OnCreate() override;
  void OnInitDialog();
  void OnEmailAuthor();

  QString m_strMsgCaption;
  QString m_strText;
  QString m_strTitle;
};

} // namespace about
