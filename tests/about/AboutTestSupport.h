// What the About tests share: a fixture whose links are recorded, a version
// source whose answers a test sets, a desktop URL handler, and a way to run
// this test program again from another place.
#pragma once

#include "WidgetFixture.h"
#include "WindowWatcher.h"

#include "about/AboutDlg.h"
#include "about/AboutTemplates.h"
#include "about/AuthorInfoDlg.h"
#include "dialogkit/LinkLauncher.h"
#include "dialogkit/Text.h"
#include "version/VersionData.h"
#include "version/VersionSource.h"

#include <QLabel>
#include <QObject>
#include <QProcessEnvironment>
#include <QString>
#include <QUrl>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace about_test {

inline QString Q(std::string_view text) { return dialogkit::ToQString(text); }

inline constexpr std::string_view AboutBlock = "\\StringFileInfo\\040904E4\\";

// Version information whose values a test sets by key; records what the
// dialog asked for.
class KeyedSource final : public version::VersionSource {
public:
  std::map<std::string, std::string, std::less<>> Values;
  std::uint32_t Size = 64; // 0: the file has no version information
  std::string Date = "Jan  2 2003";

  mutable int Reads = 0;
  mutable std::vector<std::filesystem::path> Files;
  mutable std::vector<std::string> Queried;

  std::uint32_t InfoSize(const std::filesystem::path& file) const override;
  bool ReadInfo(const std::filesystem::path& file, std::span<std::byte> data) const override;
  version::VersionValue QueryPath(std::span<const std::byte> data,
                                  std::string_view path) const override;
  std::string_view BuildDate() const override { return Date; }
};

// The four expanded controls in the order they are read, then the caption.
struct ShownTexts {
  QString title, version, copyright, notice, caption;
  bool operator==(const ShownTexts&) const = default;
};
ShownTexts TextsOf(const about::CAboutDlg& about);
std::ostream& operator<<(std::ostream& out, const ShownTexts& texts);

// Receives what QDesktopServices::openUrl hands to a registered scheme.
class UrlRecorder : public QObject {
  Q_OBJECT
public:
  std::vector<QUrl> Urls;
  Q_INVOKABLE void Open(const QUrl& url) { Urls.push_back(url); }
};

// The fixture of the dialog tests: every link recorded and answered with
// `m_linkOpens`, the launcher reset after.
class AboutFixture : public testing_ui::WidgetFixture {
protected:
  void SetUp() override {
    dialogkit::SetLinkLauncher([this](const QUrl& url) {
      m_links.push_back(url);
      return m_linkOpens;
    });
  }
  void TearDown() override {
    dialogkit::SetLinkLauncher(nullptr);
    WidgetFixture::TearDown();
  }

  // A created, shown and active About dialog (not modal: the test drives it).
  std::unique_ptr<about::CAboutDlg> ShowAbout(const version::VersionSource* source = nullptr) {
    auto about = std::make_unique<about::CAboutDlg>();
    if (source != nullptr)
      about->UseVersionSource(*source);
    ShowActive(*about);
    return about;
  }

  std::vector<QUrl> m_links;
  bool m_linkOpens = false;
};

// This test program run again with only the tests `filter` names.
struct ChildRun {
  int exitCode = -1;
  QString output;
};
ChildRun RunSelf(const QString& program, const QString& filter,
                 const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
                 const QString& workingDirectory = {});

} // namespace about_test
