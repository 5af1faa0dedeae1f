#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>

class QLockFile;

namespace zuvar {

class THost;
class TSchemat;

// Where and how often the copies of an unsaved diagram are kept.
struct TRecoverySettings {
  // The folder of the copies; empty keeps no copies at all.
  QString Folder;
  // The longest a change waits before it reaches the copy.
  std::chrono::milliseconds Interval{60000};

  // The per-user folder of the program's own data, "recovery" inside it.
  static QString DefaultFolder();
};

// Keeps a copy of the open diagram while it has unsaved changes, so that a program that ends
// without closing (a crash, a killed process, a lost session) leaves the diagram behind. The copy
// is a project file written by the project writer, at most once per interval after a change,
// and removed when the diagram is saved or goes. Each program names its copy after its own
// process and holds a lock file beside it while the copy exists, so two programs never take
// each other's copy; a copy whose lock no living program holds is stale and can be offered
// back at start-up.
class TRecoveryKeeper : public QObject {
  Q_OBJECT
 public:
  // document: the open diagram, or null. busy: true while the diagram must not be touched (a
  // run holds it); the copy then waits for the next interval.
  TRecoveryKeeper(TRecoverySettings settings, THost& host, std::function<TSchemat*()> document,
                  std::function<bool()> busy);
  // A program that ends cleanly leaves no copy behind.
  ~TRecoveryKeeper() override;

  bool Enabled() const { return !settings_.Folder.isEmpty(); }
  // The diagram changed: its copy is written when the interval has passed (an interval already
  // running is not restarted); a diagram with nothing to save loses its copy.
  void DocumentChanged();
  // Removes this program's copy and its lock (the diagram was saved or goes).
  void Discard();
  // This program's copy, whether it exists or not.
  QString CopyPath() const;

  // Offers the stale copies, newest first, one at a time: `accept` says whether the user takes
  // it. A taken copy becomes this program's own copy and its path is returned; the copies
  // offered before it were refused and are deleted. Empty when none was taken.
  QString OfferStaleCopies(const std::function<bool()>& accept);

 private:
  void WriteWhenDue();
  bool HoldLock();
  QStringList StaleCandidates() const;
  bool Adopt(const QString& copy);
  QString LockPathOf(const QString& copy) const;

  TRecoverySettings settings_;
  THost& host_;
  std::function<TSchemat*()> document_;
  std::function<bool()> busy_;
  QString stem_;
  QTimer timer_;
  std::unique_ptr<QLockFile> lock_;
};

}  // namespace zuvar
