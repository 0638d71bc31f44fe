#include "AuthorInfoDlg.h"

#include "LinkLauncher.h"
#include "info/VersionData.h"
#include "ui/AboutTemplates.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

namespace info {

CAuthorInfoDlg::CAuthorInfoDlg(QString text, QString title, QWidget* parent)
    : QDialog(parent), m_strText(std::move(text)), m_strTitle(std::move(title)) {
  ui::SetDialogFrame(*this);
}

CAuthorInfoDlg::~CAuthorInfoDlg() = default;

void CAuthorInfoDlg::Create() {
  if (!m_controls.ordered.empty())
    return;
  m_controls = ui::BuildFromTemplate(*this, ui::AuthorInfoTemplate, QIcon());
  connect(qobject_cast<QPushButton*>(GetDlgItem(ui::IdOk)), &QPushButton::clicked, this,
          &QDialog::accept);
  connect(qobject_cast<QPushButton*>(GetDlgItem(ui::IdcEmailAuthor)), &QPushButton::clicked, this,
          &CAuthorInfoDlg::OnEmailAuthor);
  OnInitDialog();
  GetDlgItem(ui::IdOk)->setFocus(Qt::OtherFocusReason);
}

int CAuthorInfoDlg::DoModal() {
  Create();
  return exec();
}

bool CAuthorInfoDlg::OnInitDialog() {
  setWindowTitle(m_strTitle);
  static_cast<QLabel*>(GetDlgItem(ui::IdcAuthorText))->setText(m_strText);
  m_strMsgCaption = QStringLiteral("Quillfen");
  return true;
}

void CAuthorInfoDlg::OnEmailAuthor() {
  const std::string_view url = version::AuthorMailUrl;
  OpenLink(this, QUrl(QString::fromUtf8(url.data(), static_cast<qsizetype>(url.size()))),
           QStringLiteral("Unable to start Email client"), m_strMsgCaption);
}

} // namespace info
