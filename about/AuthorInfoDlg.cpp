#include "AuthorInfoDlg.h"

#include "AboutTemplates.h"
#include "dialogkit/LinkLauncher.h"
#include "version/VersionData.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

namespace about {

using dialogkit::OpenLink;

CAuthorInfoDlg::CAuthorInfoDlg(QString text, QString title, QWidget* parent)
    : QDialog(parent), m_strText(std::move(text)), m_strTitle(std::move(title)) {
  dialogkit::SetDialogFrame(*this);
}

CAuthorInfoDlg::~CAuthorInfoDlg() = default;

void CAuthorInfoDlg::Create() {
  if (!m_controls.ordered.empty())
    return;
  m_controls = dialogkit::BuildFromTemplate(*this, about::AuthorInfoTemplate, QIcon());
  connect(qobject_cast<QPushButton*>(GetDlgItem(about::IdOk)), &QPushButton::clicked, this,
          &QDialog::accept);
  connect(qobject_cast<QPushButton*>(GetDlgItem(about::IdcEmailAuthor)), &QPushButton::clicked,
          this, &CAuthorInfoDlg::OnEmailAuthor);
  OnInitDialog();
  GetDlgItem(about::IdOk)->setFocus(Qt::OtherFocusReason);
}

int CAuthorInfoDlg::DoModal() {
  Create();
  return exec();
}

bool CAuthorInfoDlg::OnInitDialog() {
  setWindowTitle(m_strTitle);
  static_cast<QLabel*>(GetDlgItem(about::IdcAuthorText))->setText(m_strText);
  m_strMsgCaption = QStringLiteral("Quillfen");
  return true;
}

void CAuthorInfoDlg::OnEmailAuthor() {
  const std::string_view url = version::data::AuthorMailUrl;
  OpenLink(this, QUrl(QString::fromUtf8(url.data(), static_cast<qsizetype>(url.size()))),
           QStringLiteral("Unable to start Email client"), m_strMsgCaption);
}

} // namespace about
