// What the About tests share: a watcher that inspects and closes a modal
// dialog or popup while it is open, a version source whose answers a test
// sets, a launcher that records the links it is given, a desktop URL handler,
// and a way to run this test program again from another place.
#pragma once

#include "ModalWatcher.h"
#include "WindowWatcher.h"
#include "dialogkit/Text.h"

#include "about/AboutDlg.h"
#include "about/AboutTemplates.h"
#include "about/AuthorInfoDlg.h"
#include "dialogkit/LinkLauncher.h"
#include "version/VersionData.h"
#include "version/VersionSource.h"

#include <QApplication>
#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QProcessEnvironment>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace about_test {

inline QString Q(std::string_view text) { return dialogkit::ToQString(text); }

inline constexpr std::string_view AboutBlock = "\\StringFileInfo\\040904E4\\";

using testing_ui::Watcher;
using testing_ui::WatchModal;

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

// The fixture of the dialog tests: message boxes answered and recorded, every
// link recorded and answered with `m_linkOpens`, the launcher reset after.
class AboutFixture : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  // A created, shown and active About dialog (not modal: the test drives it).
  std::unique_ptr<about::CAboutDlg> ShowAbout(const version::VersionSource* source = nullptr);
  // Creates, shows and activates a dialog (not modal: the test drives it).
  static void ShowActive(dialogkit::TemplateDialog& dialog);
  static void Settle();
  static void Press(QWidget* button);

  testing_ui::ModalWatcher m_boxes;
  std::vector<QUrl> m_links;
  bool m_linkOpens = false;
};

// This test program run again with only the tests `filter` names.
struct ChildRun {
  int exitCode = -1;
  QString output;
};
ChildRun RunSelf(const QString& program, const QString& filter,
                 const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment());

} // namespace about_test
