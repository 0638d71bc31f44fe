#include "AuthorInfoDlg.h"
#include "dialogkit/Text.h"

#include "AboutStrings.h"
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
    : TemplateDialog(AuthorInfoTemplate, QIcon(), parent), m_strText(std::move(text)),
      m_strTitle(std::move(title)) {}

CAuthorInfoDlg::~CAuthorInfoDlg() = default;

void CAuthorInfoDlg::OnCreate() {
  ConnectClick(IdOk, &QDialog::accept);
  ConnectClick(IdcEmailAuthor, &CAuthorInfoDlg::OnEmailAuthor);
  OnInitDialog();
  GetDlgItem(about::IdOk)->setFocus(Qt::OtherFocusReason);
}

void CAuthorInfoDlg::OnInitDialog() {
  setWindowTitle(m_strTitle);
  dialogkit::SetStaticText(*static_cast<QLabel*>(GetDlgItem(about::IdcAuthorText)), m_strText);
  m_strMsgCaption = dialogkit::ToQString(IdsMessageCaption);
}

void CAuthorInfoDlg::OnEmailAuthor() {
  const std::string_view url = version::data::AuthorMailUrl;
  OpenLink(this, QUrl(dialogkit::ToQString(url)), dialogkit::ToQString(IdsNoEmailClient),
           m_strMsgCaption);
}

} // namespace about
