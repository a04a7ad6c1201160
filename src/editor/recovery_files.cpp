#include "editor/recovery_files.h"

#include <QDir>
#include <QFileInfo>
#include <QUuid>
#include <algorithm>

#include "document/level_file.h"
#include "platform/file_reader.h"
#include "platform/replacing_file_writer.h"

namespace cw::editor {
namespace {

constexpr int kReadableNameLength = 40;

// A short key for a folder's path: 16 hexadecimal digits of its FNV-1a hash.
QString FolderKey(const QString& workingFolder) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char c : workingFolder.toUtf8()) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return QStringLiteral("%1").arg(hash, 16, 16, QLatin1Char('0'));
}

// The level's name as a part of a file name: letters, digits, "_" and "." kept, the rest "_".
QString ReadableName(const std::string& documentName) {
  QString readable;
  for (const char c : documentName) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '_' || c == '.';
    readable.append(plain ? QLatin1Char(c) : QLatin1Char('_'));
    if (readable.size() == kReadableNameLength) break;
  }
  return readable;
}

platform::IoResult WriteUnsynced(const QString& path, const auto& writeLines) {
  platform::ReplacingFileWriter writer(QDir::toNativeSeparators(path).toStdString(),
                                       platform::ReplacingFileWriter::Durability::kUnsynced);
  if (platform::IoResult opened = writer.Open(); !opened) return opened;
  writeLines(writer);
  return writer.Commit();
}

// The part of a recovery file's name that names its run: "<folder>-<run>-...".
QString RunOf(const QString& fileName) {
  return fileName.section(QLatin1Char('-'), 1, 1);
}

}  // namespace

RecoveryFiles::RecoveryFiles(QString folder, QString workingFolder)
    : folder_(std::move(folder)),
      folderKey_(FolderKey(workingFolder)),
      run_(QUuid::createUuid().toString(QUuid::Id128)) {}

RecoveryFiles::~RecoveryFiles() = default;

QString RecoveryFiles::Stem() const {
  return QDir(folder_).filePath(folderKey_ + QLatin1Char('-') + run_);
}

platform::IoResult RecoveryFiles::Write(const document::Level& level) {
  if (!Enabled()) return platform::IoResult::Success();
  if (!QDir().mkpath(folder_)) {
    return platform::IoResult::Failure(folder_.toStdString() + ": the folder cannot be made");
  }
  if (!lock_) {
    lock_ = std::make_unique<QLockFile>(Stem() + QStringLiteral(".lock"));
    lock_->setStaleLockTime(0);
    if (!lock_->tryLock()) {
      lock_.reset();
      return platform::IoResult::Failure(Stem().toStdString() + ".lock: cannot be locked");
    }
  }
  const QString levelPath =
      Stem() + QLatin1Char('-') + ReadableName(level.DocumentName) + QStringLiteral(".pwl");
  if (platform::IoResult written = WriteUnsynced(
          levelPath, [&](platform::LineSink& out) { document::WriteLevelFile(out, level); });
      !written) {
    return written;
  }
  if (!writtenLevel_.isEmpty() && writtenLevel_ != levelPath) QFile::remove(writtenLevel_);
  writtenLevel_ = levelPath;
  const QString namePath = Stem() + QStringLiteral(".name");
  if (writtenName_.isEmpty() || nameWritten_ != level.DocumentName) {
    if (platform::IoResult written = WriteUnsynced(
            namePath, [&](platform::LineSink& out) { out.Write(level.DocumentName); });
        !written) {
      return written;
    }
    writtenName_ = namePath;
    nameWritten_ = level.DocumentName;
  }
  return platform::IoResult::Success();
}

void RecoveryFiles::Remove() {
  if (!writtenLevel_.isEmpty()) QFile::remove(writtenLevel_);
  if (!writtenName_.isEmpty()) QFile::remove(writtenName_);
  writtenLevel_.clear();
  writtenName_.clear();
  lock_.reset();  // unlocking removes the lock file
}

std::vector<RecoveryFiles::Orphan> RecoveryFiles::Orphans() const {
  std::vector<Orphan> orphans;
  if (!Enabled()) return orphans;
  const QDir folder(folder_);
  const QFileInfoList levels =
      folder.entryInfoList({folderKey_ + QStringLiteral("-*.pwl")}, QDir::Files, QDir::Time);
  for (const QFileInfo& level : levels) {
    const QString run = RunOf(level.fileName());
    if (run.isEmpty() || run == run_) continue;
    const QString stem = folder.filePath(folderKey_ + QLatin1Char('-') + run);
    // A lock that can be taken was left by a run that is gone; one that cannot is a running
    // editor's.
    QLockFile lock(stem + QStringLiteral(".lock"));
    lock.setStaleLockTime(0);
    if (!lock.tryLock()) continue;
    lock.unlock();
    orphans.push_back({level.filePath(), stem + QStringLiteral(".name"),
                       stem + QStringLiteral(".lock"), level.lastModified()});
  }
  return orphans;
}

std::optional<document::Level> RecoveryFiles::Read(const Orphan& orphan) {
  const platform::IoValue<std::string> level =
      platform::ReadWholeFile(orphan.levelPath.toStdString());
  if (!level) return std::nullopt;
  document::Level restored = document::ParseLevelFileText(level.value);
  const platform::IoValue<std::string> name =
      platform::ReadWholeFile(orphan.namePath.toStdString());
  if (name) restored.DocumentName = name.value;
  return restored;
}

void RecoveryFiles::Discard(const Orphan& orphan) {
  QFile::remove(orphan.levelPath);
  QFile::remove(orphan.namePath);
  QFile::remove(orphan.lockPath);
}

}  // namespace cw::editor
