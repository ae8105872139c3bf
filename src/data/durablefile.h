#pragma once
// Files written so that a crash, a kill or a full disk at any moment leaves
// either the old file or the whole new one: the bytes go to a temporary file
// in the same folder, which is flushed to the disk and then renamed over the
// old file. Every system call is checked; each function returns 0 on
// success or the error number (errno) of the step that failed, after which
// the old file is as it was.
#include <QByteArrayView>
#include <QString>

#include <functional>

namespace lumo {

// Replaces the file at `path` by `bytes`. A symbolic link is followed and
// the file it names replaced; the file keeps its permissions. A device or
// pipe in the place of the file is written directly.
int replaceFileBytes(const QString& path, QByteArrayView bytes);

// Adds `bytes` to the end of the file at `path` (created when missing) by
// replacing it with its old bytes followed by the new ones. Where the folder
// does not allow a new file but the file itself may be written, the bytes
// are appended in place instead, and cut off again if that fails.
int appendFileBytes(const QString& path, QByteArrayView bytes);

// Creates an empty file when nothing exists at `path`; anything already
// there is left alone.
int createFileIfMissing(const QString& path);

// For tests: called before every step of a write (each system call that
// writes, flushes, closes or renames). Returning an error number makes that
// step fail with it; returning 0 lets it run. An empty function removes the
// hook.
enum class WriteStep { Create, Write, Sync, Close, Rename, Truncate };
void setWriteFaultHook(std::function<int(WriteStep)> hook);

// Bytes written per write call, so a kill can fall between any two pieces.
inline constexpr qsizetype kWritePieceBytes = 64 * 1024;

} // namespace lumo
