// What a test borrows from the process around it: an environment variable set
// for a while, and the output of a poppler tool that reads a report.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <ctime>
#include <gtest/gtest.h>

namespace testing_ui {

inline void ReadTimeZone() {
#ifdef Q_OS_WIN
  ::_tzset();
#else
  ::tzset();
#endif
}

// Sets `name` until it goes out of scope, then puts back what was there; a
// time zone takes effect at once.
class ScopedEnv {
public:
  ScopedEnv(const char* name, const QByteArray& value)
      : m_name(name), m_old(qgetenv(name)), m_had(qEnvironmentVariableIsSet(name)) {
    qputenv(name, value);
    ReadTimeZone();
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;
  ~ScopedEnv() {
    if (m_had)
      qputenv(m_name, m_old);
    else
      qunsetenv(m_name);
    ReadTimeZone();
  }

private:
  const char* m_name;
  QByteArray m_old;
  bool m_had;
};

// The standard output of poppler's `tool` (pdftotext, pdfinfo); fails the
// test when the tool is missing, as the test command installs it.
inline QString PopplerOutput(const char* tool, const QStringList& arguments) {
  const QString program = QStandardPaths::findExecutable(QString::fromLatin1(tool));
  if (program.isEmpty()) {
    ADD_FAILURE() << tool << " is missing: install poppler-utils (scripts/deps.sh lists it)";
    return {};
  }
  QProcess run;
  run.start(program, arguments);
  if (!run.waitForFinished(30000))
    return {};
  return QString::fromUtf8(run.readAllStandardOutput());
}

} // namespace testing_ui
