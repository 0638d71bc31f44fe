#include "AboutTestSupport.h"

#include <QProcess>
#include <algorithm>
#include <ostream>

namespace about_test {

std::uint32_t KeyedSource::InfoSize(const std::filesystem::path& file) const {
  Files.push_back(file);
  return Size;
}

bool KeyedSource::ReadInfo(const std::filesystem::path&, std::span<std::byte> data) const {
  ++Reads;
  std::fill(data.begin(), data.end(), std::byte{0});
  return true;
}

version::VersionValue KeyedSource::QueryPath(std::span<const std::byte>,
                                             std::string_view path) const {
  Queried.emplace_back(path);
  if (!path.starts_with(AboutBlock))
    return {};
  const auto it = Values.find(path.substr(AboutBlock.size()));
  if (it == Values.end())
    return {};
  return {true, it->second, static_cast<std::uint32_t>(it->second.size() + 1)};
}

ShownTexts TextsOf(const about::CAboutDlg& about) {
  const auto text = [&](int id) { return static_cast<QLabel*>(about.GetDlgItem(id))->text(); };
  return {text(about::IdcAboutTitle), text(about::IdcAboutVersion), text(about::IdcAboutCopyright),
          text(about::IdcAboutNotice), about.windowTitle()};
}

std::ostream& operator<<(std::ostream& out, const ShownTexts& texts) {
  return out << "title '" << texts.title.toStdString() << "' version '"
             << texts.version.toStdString() << "' copyright '" << texts.copyright.toStdString()
             << "' notice '" << texts.notice.toStdString() << "' caption '"
             << texts.caption.toStdString() << "'";
}

ChildRun RunSelf(const QString& program, const QString& filter, const QProcessEnvironment& env,
                 const QString& workingDirectory) {
  QProcess child;
  child.setProcessEnvironment(env);
  child.setWorkingDirectory(workingDirectory);
  child.setProcessChannelMode(QProcess::MergedChannels);
  child.start(program, {QStringLiteral("--gtest_filter=") + filter});
  if (!child.waitForFinished(120000))
    return {-1, QStringLiteral("did not finish: ") + child.errorString()};
  return {child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1,
          QString::fromLocal8Bit(child.readAll())};
}

} // namespace about_test
