#include "data/durablefile.h"

#include <QFile>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumo {
namespace {

std::function<int(WriteStep)>& faultHook()
{
    static std::function<int(WriteStep)> hook;
    return hook;
}

// 0 when the step may run, else the error it is to fail with.
int injected(WriteStep step)
{
    const auto& hook = faultHook();
    return hook ? hook(step) : 0;
}

// Runs a system call that returns -1 and sets errno on failure; retries on
// EINTR. Returns 0 or the error number.
template <class Call> int checked(WriteStep step, Call call)
{
    if (const int error = injected(step))
        return error;
    for (;;) {
        if (call() != -1)
            return 0;
        if (errno != EINTR)
            return errno;
    }
}

int writeAll(int fd, QByteArrayView bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        if (const int error = injected(WriteStep::Write))
            return error;
        const size_t piece = size_t(std::min(bytes.size() - done, kWritePieceBytes));
        const ssize_t written = ::write(fd, bytes.data() + done, piece);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (written == 0)
            return ENOSPC; // a device that takes nothing more
        done += written;
    }
    return 0;
}

// Flushes to the disk. Devices and pipes that cannot be flushed report
// EINVAL or ENOTSUP; for them the write itself is all there is.
int syncFile(int fd, bool regular)
{
    const int error = checked(WriteStep::Sync, [fd] { return ::fsync(fd); });
    if (!regular && (error == EINVAL || error == ENOTSUP || error == EROFS))
        return 0;
    return error;
}

int closeFile(int fd)
{
    if (const int error = injected(WriteStep::Close)) {
        ::close(fd);
        return error;
    }
    // close is not retried on EINTR: the descriptor is gone either way.
    return ::close(fd) == 0 || errno == EINTR ? 0 : errno;
}

// The folder's entry for the renamed file reaches the disk too. Some file
// systems cannot flush a folder; the file is in place by then anyway.
void syncFolder(const QByteArray& folder)
{
    const int fd = ::open(folder.isEmpty() ? "." : folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

struct Target {
    QByteArray path;   // the file to write, symbolic links followed
    QByteArray folder; // its folder, "" for the current one
    QByteArray temp;   // the temporary file next to it
    bool exists = false;
    struct stat status {};
};

// Resolves `path` to the file that is to be written. Returns 0 or an error.
int findTarget(const QString& path, Target& target)
{
    target.path = QFile::encodeName(path);
    if (target.path.isEmpty())
        return ENOENT;
    // Follow symbolic links to the file they name, so the link stays a link.
    for (int hops = 0; hops < 40; ++hops) {
        struct stat link {};
        if (::lstat(target.path.constData(), &link) != 0 || !S_ISLNK(link.st_mode))
            break;
        char buffer[PATH_MAX];
        const ssize_t n = ::readlink(target.path.constData(), buffer, sizeof buffer - 1);
        if (n < 0)
            return errno;
        QByteArray linked(buffer, n);
        if (!linked.startsWith('/')) {
            const qsizetype slash = target.path.lastIndexOf('/');
            linked.prepend(slash < 0 ? QByteArray() : target.path.left(slash + 1));
        }
        target.path = linked;
    }
    target.exists = ::stat(target.path.constData(), &target.status) == 0;
    if (!target.exists && errno != ENOENT)
        return errno;
    if (target.exists && S_ISDIR(target.status.st_mode))
        return EISDIR;
    const qsizetype slash = target.path.lastIndexOf('/');
    target.folder = slash < 0 ? QByteArray() : target.path.left(slash + 1);
    target.temp = target.folder + '.' + target.path.mid(slash + 1) + ".tmp";
    return 0;
}

bool isRegular(const Target& target)
{
    return !target.exists || S_ISREG(target.status.st_mode);
}

// Writes straight into a device or pipe (or, as a last resort, a file).
int writeInPlace(const Target& target, QByteArrayView bytes, int flags)
{
    int fd = -1;
    if (const int error = checked(WriteStep::Create, [&] {
            // Without waiting: a pipe nobody reads fails at once (ENXIO).
            fd = ::open(target.path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | flags);
            return fd;
        }))
        return error;
    struct stat status {};
    ::fstat(fd, &status);
    const bool regular = S_ISREG(status.st_mode);
    const off_t before = (flags & O_APPEND) && regular ? status.st_size : 0;
    int error = writeAll(fd, bytes);
    if (!error)
        error = syncFile(fd, regular);
    if (error && regular && (flags & O_APPEND)) {
        // Leave no half-written tail behind.
        if (!injected(WriteStep::Truncate) && ::ftruncate(fd, before) == 0)
            ::fsync(fd);
    }
    const int closed = closeFile(fd);
    return error ? error : closed;
}

int replaceThroughTemporary(const Target& target, QByteArrayView head, QByteArrayView tail)
{
    ::unlink(target.temp.constData()); // left over from an earlier crash
    const mode_t mode = target.exists ? (target.status.st_mode & 07777) : 0666;
    int fd = -1;
    if (const int error = checked(WriteStep::Create, [&] {
            fd = ::open(target.temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
            return fd;
        }))
        return error;
    // Keep the old file's permissions (the new one was limited by umask).
    if (target.exists)
        ::fchmod(fd, mode);
    int error = writeAll(fd, head);
    if (!error)
        error = writeAll(fd, tail);
    if (!error)
        error = syncFile(fd, true);
    const int closed = closeFile(fd);
    if (!error)
        error = closed;
    if (!error)
        error = checked(WriteStep::Rename, [&] { return ::rename(target.temp.constData(), target.path.constData()); });
    if (error) {
        ::unlink(target.temp.constData());
        return error;
    }
    syncFolder(target.folder);
    return 0;
}

// Reads a whole regular file. Returns 0 or an error.
int readAllBytes(const QByteArray& path, QByteArray& bytes)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    char buffer[kWritePieceBytes];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            return error;
        }
        if (n == 0)
            break;
        bytes.append(buffer, n);
    }
    ::close(fd);
    return 0;
}

} // namespace

int replaceFileBytes(const QString& path, QByteArrayView bytes)
{
    Target target;
    if (const int error = findTarget(path, target))
        return error;
    if (!isRegular(target))
        return writeInPlace(target, bytes, O_TRUNC);
    return replaceThroughTemporary(target, bytes, {});
}

int appendFileBytes(const QString& path, QByteArrayView bytes)
{
    Target target;
    if (const int error = findTarget(path, target))
        return error;
    if (!isRegular(target))
        return writeInPlace(target, bytes, O_APPEND);
    QByteArray old;
    if (target.exists)
        if (const int error = readAllBytes(target.path, old))
            return error;
    const int error = replaceThroughTemporary(target, old, bytes);
    // A folder that takes no new file, or a disk without room for a second
    // copy, may still take the new bytes at the end of the file: append in
    // place then (a failure cuts them off again).
    const bool noNewFile = error == EACCES || error == EPERM || error == ENOSPC || error == EDQUOT;
    if (noNewFile && target.exists && ::access(target.path.constData(), W_OK) == 0)
        return writeInPlace(target, bytes, O_APPEND);
    return error;
}

int createFileIfMissing(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) == 0)
        return 0;
    if (errno != ENOENT)
        return errno;
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno == EEXIST ? 0 : errno;
    ::close(fd);
    return 0;
}

void setWriteFaultHook(std::function<int(WriteStep)> hook)
{
    faultHook() = std::move(hook);
}

} // namespace lumo
