#include "app/RecoveryKeeper.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include "model/Schemat.h"
#include "project/ProjectWriter.h"

namespace zuvar {

namespace {
const QString kCopyPattern = QStringLiteral("recovery-*.bin");
constexpr int kCopySuffixLength = 4;  // ".bin"
}  // namespace

QString TRecoverySettings::DefaultFolder() {
  const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
  return data.isEmpty() ? QString() : data + QStringLiteral("/recovery");
}

// The name carries the process and the moment it started, so that a process that got the Id of
// a crashed one does not meet that one's copy under its own name.
TRecoveryKeeper::TRecoveryKeeper(TRecoverySettings settings, THost& host,
                                 std::function<TSchemat*()> document, std::function<bool()> busy)
    : settings_(std::move(settings)),
      host_(host),
      document_(std::move(document)),
      busy_(std::move(busy)),
      stem_(QStringLiteral("recovery-%1-%2")
                .arg(QCoreApplication::applicationPid())
                .arg(QDateTime::currentMSecsSinceEpoch())) {
  timer_.setSingleShot(true);
  timer_.setInterval(settings_.Interval);
  connect(&timer_, &QTimer::timeout, this, &TRecoveryKeeper::WriteWhenDue);
}

TRecoveryKeeper::~TRecoveryKeeper() { Discard(); }

QString TRecoveryKeeper::CopyPath() const {
  return QDir(settings_.Folder).filePath(stem_ + QStringLiteral(".bin"));
}

QString TRecoveryKeeper::LockPathOf(const QString& copy) const {
  return copy.left(copy.size() - kCopySuffixLength) + QStringLiteral(".lock");
}

void TRecoveryKeeper::DocumentChanged() {
  if (!Enabled()) return;
  const TSchemat* document = document_();
  if (document == nullptr || document->Saved) {
    Discard();
    return;
  }
  if (!timer_.isActive()) timer_.start();
}

void TRecoveryKeeper::Discard() {
  timer_.stop();
  if (!Enabled()) return;
  QFile::remove(CopyPath());
  lock_.reset();  // unlocks, which removes the lock file
}

void TRecoveryKeeper::WriteWhenDue() {
  TSchemat* document = document_();
  if (document == nullptr || document->Saved) {
    Discard();
    return;
  }
  if (busy_()) {
    timer_.start();
    return;
  }
  if (!HoldLock()) return;
  // A copy that cannot be written is no reason to trouble the user: the next change tries again.
  TProjectWriter(host_).WriteCopy(CopyPath().toStdString(), *document);
}

// The lock is taken before the first copy is written and held until the copy goes, so that a
// copy never stands without the lock that tells whether its program still lives.
bool TRecoveryKeeper::HoldLock() {
  if (lock_ != nullptr && lock_->isLocked()) return true;
  if (!QDir().mkpath(settings_.Folder)) return false;
  lock_ = std::make_unique<QLockFile>(LockPathOf(CopyPath()));
  lock_->setStaleLockTime(0);  // a lock held for hours is still held
  return lock_->tryLock(0);
}

QStringList TRecoveryKeeper::StaleCandidates() const {
  QStringList copies;
  const QFileInfoList found =
      QDir(settings_.Folder).entryInfoList({kCopyPattern}, QDir::Files, QDir::Time);
  for (const QFileInfo& info : found)
    if (info.absoluteFilePath() != QFileInfo(CopyPath()).absoluteFilePath())
      copies.append(info.absoluteFilePath());
  return copies;
}

QString TRecoveryKeeper::OfferStaleCopies(const std::function<bool()>& accept) {
  if (!Enabled()) return {};
  for (const QString& copy : StaleCandidates()) {
    // Taking the lock proves that its program is gone, and keeps a second program that starts
    // now from offering the same copy.
    QLockFile lock(LockPathOf(copy));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0) || !QFileInfo::exists(copy)) continue;
    if (!accept()) {
      QFile::remove(copy);
      continue;
    }
    // A copy that cannot become this program's own is read where it is and stays stale.
    return Adopt(copy) ? CopyPath() : copy;
  }
  return {};
}

bool TRecoveryKeeper::Adopt(const QString& copy) {
  if (!HoldLock()) return false;
  QFile::remove(CopyPath());
  return QFile::rename(copy, CopyPath());
}

}  // namespace zuvar
