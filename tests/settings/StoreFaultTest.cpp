// The store under faults: a write cut short leaves the previous store byte
// for byte, and a lock or store that is not ours (a FIFO, a huge file) is
// left alone without blocking the start or the exit.
#include "StoreText.h"

#include "settings/PersistedSettings.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

#ifdef Q_OS_LINUX
#include "FailingSync.h"
#include "FileSizeLimit.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace settings {
namespace {

using testing_ui::FileBytes;
using testing_ui::SectionText;

#ifdef Q_OS_LINUX
using testing_ui::FileSizeLimit;

// Opens the writing end of a FIFO whenever a reader waits on it, so that the
// reader is released and the test knows it was read; a writer waiting on it
// is released too.
class FifoWatch {
public:
  explicit FifoWatch(const QString& path) : m_path(QFile::encodeName(path)) {}
  FifoWatch(const FifoWatch&) = delete;
  FifoWatch& operator=(const FifoWatch&) = delete;
  ~FifoWatch() {
    m_stop = true;
    m_thread.join();
  }
  bool Opened() const { return m_opened; }

private:
  void Run() {
    while (!m_stop) {
      if (const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK); fd >= 0) {
        m_opened = true;
        ::close(fd);
      }
      if (const int fd = ::open(m_path.constData(), O_RDONLY | O_NONBLOCK); fd >= 0)
        ::close(fd);
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }

  QByteArray m_path;
  std::atomic<bool> m_stop{false};
  std::atomic<bool> m_opened{false};
  std::thread m_thread{[this] { Run(); }};
};

class StoreFaults : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(m_dir.isValid());
    SetStoreRoot(m_dir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("Orrelby"));
    QCoreApplication::setApplicationName(QStringLiteral("Tamsik"));
    ASSERT_TRUE(QDir().mkpath(Folder()));
  }
  void TearDown() override { SetStoreRoot({}); }

  static QString Folder() { return QFileInfo(StoreLocation()).absolutePath(); }
  static QString LockPath() { return StoreLocation() + QStringLiteral(".lock"); }
  static QStringList FolderNames() {
    return QDir(Folder()).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
  }
  static void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
  }
  // Sparse: huge to a reader, free on the disk.
  static void WriteSparse(const QString& path, qint64 size) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("garbage ");
    ASSERT_TRUE(file.resize(size));
  }

  QTemporaryDir m_dir;
};

engine::CalcState Changed() {
  engine::CalcState state;
  state.Material = engine::MaterialAluminum;
  state.Raceway = engine::RacewayNonMetal;
  state.Voltage = 480.0;
  return state;
}

// Foreign keys make the store long enough for the limit to fall inside it,
// past the side file's own lock.
const QByteArray OldStore =
    "[Notes]\ntext=" + QByteArray(1500, 'n') + "\n\n[State]\nMaterial=0\nVoltage=240\n";

TEST_F(StoreFaults, AWriteThatDoesNotCompleteLeavesTheStoreByteForByte) {
  const struct {
    const char* label;
    rlim_t limit;  // 0: none
    int syncError; // 0: the disk writes back
    bool written;
  } rows[] = {
      {"NothingFits", 1, 0, false},
      {"CutShortInsideTheStore", 1024, 0, false},
      {"WriteBackFails", 0, EIO, false},
      {"NoLimit", 0, 0, true},
  };
  // Near misses of a side file's name (another store's too), a link and another
  // user's file: not ours to clear.
  const QString conf = StoreLocation();
  for (const QString& path : {conf + ".bak", conf + ".AbCdE", conf + ".Others", conf + "2.AbCdEf"})
    WriteFile(path, "kept");
  ASSERT_TRUE(QFile::link(conf + ".bak", conf + ".LinkQx"));
  if (::chown(QFile::encodeName(conf + ".Others").constData(), 65534, 65534) != 0)
    QFile::remove(conf + ".Others"); // only root gives a file away
  for (const auto& row : rows) {
    SCOPED_TRACE(row.label);
    WriteFile(StoreLocation(), OldStore);
    const QStringList namesBefore = FolderNames();
    // What writes killed before their rename left, which this one clears.
    for (const char* left : {".AbCdEf", ".GhIjKl.lock", ".MnOpQr.StUvWx"})
      WriteFile(conf + left, OldStore);
    bool stored = false;
    {
      const std::unique_ptr<QSettings> store = OpenStoreForWriting();
      ASSERT_TRUE(store);
      std::unique_ptr<FileSizeLimit> limit;
      if (row.limit != 0) {
        limit = std::make_unique<FileSizeLimit>(row.limit);
      }
      testing_ui::FailSyncs(row.syncError);
      stored = StoreSelections(*store, Changed());
      testing_ui::FailSyncs(0);
    }
    EXPECT_EQ(stored, row.written);
    EXPECT_EQ(FolderNames(), namesBefore) << "side files left behind";
    if (!row.written) {
      EXPECT_EQ(FileBytes(StoreLocation()), OldStore);
      continue;
    }
    const auto state = SectionText(StoreLocation(), QStringLiteral("State"));
    EXPECT_EQ(state.size(), PersistedValues.size());
    EXPECT_EQ(state.at("Voltage"), "480");
    EXPECT_EQ(SectionText(StoreLocation(), QStringLiteral("Notes")).at("text"),
              std::string(1500, 'n'));
    ASSERT_GT(FileBytes(StoreLocation()).size(), 1024) << "the limit must cut the store";
  }
}

// A replaced store keeps its mode and its link; a read-only one is not replaced.
TEST_F(StoreFaults, OnlyAWritableStoreIsReplacedAndItKeepsItsModeAndLink) {
  const QString real = m_dir.filePath(QStringLiteral("dotfiles-Tamsik.conf"));
  const struct {
    const char* label;
    QFile::Permissions mode;
    bool linked;
    bool written;
  } rows[] = {
      {"OwnerOnly", QFile::ReadOwner | QFile::WriteOwner, false, true},
      {"Linked", QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup, true, true},
      {"ReadOnly", QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther, false, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.label);
    QFile::remove(StoreLocation());
    const QString file = row.linked ? real : StoreLocation();
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    WriteFile(file, OldStore);
    ASSERT_TRUE(QFile::setPermissions(file, row.mode));
    if (row.linked) {
      ASSERT_TRUE(QFile::link(real, StoreLocation()));
    }
    const std::unique_ptr<QSettings> store = OpenStoreForWriting();
    ASSERT_TRUE(store);
    EXPECT_EQ(StoreSelections(*store, Changed()), row.written);
    EXPECT_EQ(QFileInfo(StoreLocation()).isSymLink(), row.linked);
    EXPECT_EQ(QFile::permissions(file) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
              row.mode);
    EXPECT_EQ(FileBytes(file) == OldStore, !row.written);
  }
}

enum class Foreign { LockFifo, LockLinkToFifo, HugeLock, HugeStore };

TEST_F(StoreFaults, AForeignLockOrStoreIsLeftAloneWithinTheBound) {
  const QString fifo = m_dir.filePath(QStringLiteral("fifo"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const struct {
    const char* label;
    Foreign how;
    bool readable; // whether the start still reads the store
  } rows[] = {
      {"LockIsFifo", Foreign::LockFifo, true},
      {"LockLinksToFifo", Foreign::LockLinkToFifo, true},
      {"Lock512MiB", Foreign::HugeLock, true},
      {"Store50MB", Foreign::HugeStore, false},
  };
  const QByteArray before = "[State]\nMaterial=1\n";
  for (const auto& row : rows) {
    SCOPED_TRACE(row.label);
    QFile::remove(LockPath());
    WriteFile(StoreLocation(), before);
    switch (row.how) {
    case Foreign::LockFifo:
      ASSERT_EQ(::mkfifo(QFile::encodeName(LockPath()).constData(), 0600), 0);
      break;
    case Foreign::LockLinkToFifo:
      ASSERT_TRUE(QFile::link(fifo, LockPath()));
      break;
    case Foreign::HugeLock:
      WriteSparse(LockPath(), qint64{512} << 20);
      break;
    case Foreign::HugeStore:
      WriteSparse(StoreLocation(), 50'000'000);
      break;
    }
    const QByteArray stored = FileBytes(StoreLocation());
    const FifoWatch lockWatch(row.how == Foreign::LockFifo ? LockPath() : fifo);
    QElapsedTimer clock;
    clock.start();
    const bool read = OpenStoreForReading() != nullptr;
    const bool opened = OpenStoreForWriting() != nullptr;
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_EQ(read, row.readable);
    EXPECT_FALSE(opened);
    EXPECT_FALSE(lockWatch.Opened()) << "the lock was opened for reading";
    EXPECT_TRUE(FileBytes(StoreLocation()) == stored);
  }
}
#endif

} // namespace
} // namespace settings
