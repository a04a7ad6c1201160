#pragma once

#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/level.h"
#include "platform/io_result.h"

namespace cw::editor {

// The recovery files of one run of the editor: after every change the level is written, in the
// level file's own format, to a file of its own in the recovery folder, never over the user's
// file, so that a crash or a killed process loses nothing. The file is named after the working
// folder, this run and the level's name ("<folder>-<run>-<name>.pwl"); the exact name goes
// beside it ("....name"), and a lock file held while the run lasts tells the files of a running
// editor from those of one that ended without a clean end. A clean end removes them all.
class RecoveryFiles {
 public:
  // `folder` holds the recovery files (none are written when it is empty); `workingFolder` is
  // the absolute path of the current directory, whose files these are.
  RecoveryFiles(QString folder, QString workingFolder);
  ~RecoveryFiles();
  RecoveryFiles(const RecoveryFiles&) = delete;
  RecoveryFiles& operator=(const RecoveryFiles&) = delete;

  bool Enabled() const { return !folder_.isEmpty(); }

  // Writes the level as this run's recovery file, without waiting for the disk.
  platform::IoResult Write(const document::Level& level);
  // The clean end: this run's files are removed.
  void Remove();

  // A recovery file left for this working folder by a run that did not end cleanly.
  struct Orphan {
    QString levelPath;
    QString namePath;
    QString lockPath;
    QDateTime written;
  };
  // Newest first. The files of a run that is still going (its lock is held) are not among them.
  std::vector<Orphan> Orphans() const;
  // The level of an orphan, under the name it had; nothing when it cannot be read.
  static std::optional<document::Level> Read(const Orphan& orphan);
  static void Discard(const Orphan& orphan);

 private:
  QString Stem() const;

  QString folder_;
  QString folderKey_;
  QString run_;
  std::unique_ptr<QLockFile> lock_;
  QString writtenLevel_;  // the files last written, to remove when the name changes
  QString writtenName_;
  std::string nameWritten_;
};

}  // namespace cw::editor
