#include "AboutDlg.h"
#include "dialogkit/Text.h"

#include "AboutStrings.h"
#include "AboutTemplates.h"
#include "AuthorInfoDlg.h"
#include "dialogkit/DrawableFont.h"
#include "dialogkit/LinkLauncher.h"
#include "dialogkit/OwnedModal.h"
#include "version/ModulePath.h"
#include "version/VersionData.h"
#include "version/VersionInfo.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <algorithm>

namespace about {

using dialogkit::OpenLink;
using version::ModulePath;
using version::PlatformVersionSource;

namespace {

constexpr std::string_view BlockPath = "\\StringFileInfo\\040904E4\\";
// Texts are read from a control into 128 bytes and expanded into 256.
constexpr std::size_t TemplateChars = 127;
constexpr std::int32_t ExpansionRoom = 256;
// The title is 8 points high on a 72-point inch, in whole pixels, four times
// over, the way the program has always sized it.
constexpr int TitlePoints = 8;
constexpr int PointsPerInch = 72;
constexpr int TitleScale = 4;

std::string Expanded(const CVersionInfo& versionInfo, const QString& text) {
  std::string templ = text.toStdString();
  templ.resize(std::min(templ.size(), TemplateChars));
  std::string out;
  versionInfo.ExpandTemplate(templ, out, ExpansionRoom);
  return out;
}

// Version texts separate lines with CR LF; a label breaks lines at LF.
QString ForDisplay(const std::string& text) {
  QString shown = dialogkit::ToQString(text);
  shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  return shown;
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent)
    : TemplateDialog(AboutTemplate, dialogkit::ApplicationIcon(), parent),
      m_versionSource(&PlatformVersionSource()) {}

CAboutDlg::~CAboutDlg() = default;

int CAboutDlg::TitleFontHeight(int dotsPerInch) {
  // Negative: a character height rather than a cell height.
  return TitleScale * (TitlePoints * dotsPerInch / -PointsPerInch);
}

void CAboutDlg::OnCreate() {
  ConnectClick(IdOk, &QDialog::accept);
  ConnectClick(IdcWebSite, &CAboutDlg::OnWebSite);
  ConnectClick(IdcAuthorInfo, &CAboutDlg::OnAuthorInfo);
  ConnectClick(IdcEmailDistributor, &CAboutDlg::OnEmailDistributor);
  OnInitDialog();
  GetDlgItem(about::IdOk)->setFocus(Qt::OtherFocusReason);
}

void CAboutDlg::OnInitDialog() {
  m_strMsgCaption = dialogkit::ToQString(IdsMessageCaption);
  // Read afresh at every opening; the object lives only for this sequence.
  const CVersionInfo versionInfo(ModulePath(), std::string(BlockPath), *m_versionSource);
  for (const int id : {about::IdcAboutTitle, about::IdcAboutVersion, about::IdcAboutCopyright,
                       about::IdcAboutNotice})
    ExpandControlText(versionInfo, *GetDlgItem(id));
  setWindowTitle(ForDisplay(Expanded(versionInfo, windowTitle())));
  ApplyTitleFont();
}

void CAboutDlg::ExpandControlText(const CVersionInfo& versionInfo, QWidget& control) {
  auto& label = static_cast<QLabel&>(control);
  dialogkit::SetStaticText(label, ForDisplay(Expanded(versionInfo, label.text())));
}

void CAboutDlg::ApplyTitleFont() {
  // The height is in the screen's own pixels. Qt's high-resolution scaling
  // counts in logical pixels of devicePixelRatio screen pixels each, with the
  // logical resolution to match, so the screen's is their product.
  const int screenDpi = qRound(logicalDpiY() * devicePixelRatioF());
  m_fontTitle = font();
  m_fontTitle.setPointSizeF(qreal(-TitleFontHeight(screenDpi)) * PointsPerInch / screenDpi);
  m_fontTitle.setBold(true);
  m_fontTitle.setItalic(true);
  m_fontTitle = dialogkit::DrawableFont(m_fontTitle);
  QWidget* title = GetDlgItem(about::IdcAboutTitle);
  title->setFont(m_fontTitle);
  // The title is taller than its one line of dialog text: grow the label
  // about its centre so the large letters are not cut off.
  const QRect placed = title->geometry();
  const int height = std::max(placed.height(), title->fontMetrics().height());
  title->setGeometry(placed.x(), placed.center().y() - height / 2, placed.width(), height);
}

void CAboutDlg::OnWebSite() {
  OpenLink(this, QUrl(dialogkit::ToQString(version::data::DistributorWebUrl)),
           dialogkit::ToQString(IdsNoWebBrowser), m_strMsgCaption);
}

void CAboutDlg::OnEmailDistributor() {
  OpenLink(this, QUrl(dialogkit::ToQString(version::data::DistributorMailUrl)),
           dialogkit::ToQString(IdsNoEmailClient), m_strMsgCaption);
}

void CAboutDlg::OnAuthorInfo() {
  CAuthorInfoDlg author(
      dialogkit::ToQString(version::data::AuthorCredit),
      dialogkit::ToQString(IdsAuthorTitle).arg(dialogkit::ToQString(version::data::MakerName)),
      this);
  // Closing it hands the keyboard back to this dialog, with or without a
  // window manager to do so.
  dialogkit::RunOwnedModal(*this, [&author] { author.DoModal(); });
}

} // namespace about
