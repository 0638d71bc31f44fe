// The About dialog: product title, version line, copyright and distribution
// notice, all expanded from the program's version information when it opens,
// with buttons for the distributor's web site, e-mail and the author box.
#pragma once

#include "dialogkit/TemplateDialog.h"

#include <QDialog>
#include <QFont>
#include <QString>

namespace version {
class CVersionInfo;
class VersionSource;
} // namespace version

namespace about {

using version::CVersionInfo;
using version::VersionSource;

class CAboutDlg : public dialogkit::TemplateDialog {
  Q_OBJECT

public:
  explicit CAboutDlg(QWidget* parent = nullptr);
  ~CAboutDlg() override;

  // Where the texts are expanded from; the program's own information unless a
  // test gives another before Create. The source must outlive the dialog.
  void UseVersionSource(const VersionSource& source) { m_versionSource = &source; }

  const QFont& TitleFont() const { return m_fontTitle; }

  // Pixel height of the title font at a vertical resolution in dots per
  // inch; negative, meaning a character height rather than a cell height.
  static int TitleFontHeight(int dotsPerInch);

private:
  void OnCreate() override;
  void OnInitDialog();
  void ExpandControlText(const CVersionInfo& versionInfo, QWidget& control);
  void ApplyTitleFont();
  void OnWebSite();
  void OnEmailDistributor();
  void OnAuthorInfo();

  const VersionSource* m_versionSource;
  QString m_strMsgCaption;
  QFont m_fontTitle;
};

} // namespace about
