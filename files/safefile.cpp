// SPDX-License-Identifier: GPL-3.0-or-later
#include "safefile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "messages.h"
#include "texts.h"

#ifdef Q_OS_UNIX
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

namespace fm = messages::files;

std::string systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)).toStdString(); }

}  // namespace

#ifdef Q_OS_UNIX

namespace {

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A file without any write bit is refused even where the system would let
// the user write it (root may write anything): its owner marked it so.
bool mayWrite(const QByteArray& name, const struct stat& info) {
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
    return ::access(name.constData(), W_OK) == 0;
}

}  // namespace

FileBytes readRegularFile(const QString& path, qint64 limit) {
    const QByteArray name = QFile::encodeName(path);
    // Not blocking: opening a pipe without a writer would wait for ever
    // before the type could be checked.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return {std::nullopt, systemReason(errno)};
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = errno;
        ::close(fd);
        if (S_ISDIR(info.st_mode)) return {std::nullopt, FileError(fm::isFolder)};
        return {std::nullopt, S_ISREG(info.st_mode) ? systemReason(error) : FileError(fm::notRegularFile)};
    }
    QByteArray bytes;
    char buffer[65536];
    while (bytes.size() <= limit) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            return {std::nullopt, systemReason(error)};
        }
        if (got == 0) break;
        bytes.append(buffer, static_cast<qsizetype>(std::min<qint64>(got, limit + 1 - bytes.size())));
    }
    ::close(fd);
    return {bytes, {}};
}

namespace {

// The file a write is aimed at, settled once: the folder held open, so that
// nothing done to the names on the way there can move the write elsewhere,
// and the name in it, no longer a link.
class Target {
public:
    Target() = default;
    Target(const Target&) = delete;
    Target& operator=(const Target&) = delete;
    ~Target() {
        if (folder >= 0) ::close(folder);
    }
    int folder = -1;
    QByteArray name;      // within the folder, one component
    QByteArray fullName;  // for the checks that need a path
    bool exists = false;
    struct stat info {};
};

QByteArray folderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) return ".";
    return slash == 0 ? QByteArray("/") : path.left(slash);
}

// The name a chain of links ends at; the name itself when it is no link
// or does not exist yet. Links the user made are followed on purpose: a
// link to a picture is saved as that picture.
std::optional<QByteArray> followedLinks(QByteArray path, int& error) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(path.constData(), &info) != 0) {
            error = errno;
            return error == ENOENT ? std::optional<QByteArray>(path) : std::nullopt;
        }
        if (!S_ISLNK(info.st_mode)) return path;
        char buffer[PATH_MAX];
        const ssize_t length = ::readlink(path.constData(), buffer, sizeof buffer - 1);
        if (length < 0) {
            error = errno;
            return std::nullopt;
        }
        const QByteArray linked(buffer, length);
        path = linked.startsWith('/') ? linked : folderOf(path) + "/" + linked;
    }
    error = ELOOP;
    return std::nullopt;
}

std::optional<FileError> settledTarget(const QString& target, Target& settled) {
    int error = 0;
    const std::optional<QByteArray> path = followedLinks(QFile::encodeName(target), error);
    if (!path) return systemReason(error);
    const qsizetype slash = path->lastIndexOf('/');
    settled.name = slash < 0 ? *path : path->mid(slash + 1);
    if (settled.name.isEmpty() || settled.name == "." || settled.name == "..") return FileError(fm::isFolder);
    settled.folder = ::open(folderOf(*path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (settled.folder < 0) return systemReason(errno);
    settled.fullName = *path;
    if (::fstatat(settled.folder, settled.name.constData(), &settled.info, AT_SYMLINK_NOFOLLOW) == 0) {
        settled.exists = true;
    } else if (errno != ENOENT) {
        return systemReason(errno);
    }
    return std::nullopt;
}

// Why the settled target must not be written, or none.
std::optional<FileError> refusal(const Target& settled, const QStringList& protectedFiles) {
    if (!settled.exists) return std::nullopt;  // a new file: the write will tell
    for (const QString& kept : protectedFiles) {
        struct stat other {};
        if (::stat(QFile::encodeName(kept).constData(), &other) == 0 && sameFile(settled.info, other))
            return FileError(fm::isEquationFile);
    }
    if (S_ISDIR(settled.info.st_mode)) return FileError(fm::isFolder);
    // A link here was put in after the links were followed: not ours to replace.
    if (!S_ISREG(settled.info.st_mode)) return FileError(fm::notRegularFile);
    if (!mayWrite(settled.fullName, settled.info)) return FileError(fm::notWritable);
    return std::nullopt;
}

// A new file beside the target, made by this call alone and never through
// a link; its name, or why none could be made.
int temporaryBeside(const Target& settled, QByteArray& name) {
    // Cut so that the temporary name stays within a folder entry's length.
    const QByteArray stem = "." + settled.name.left(200) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = stem + QByteArray::number(QRandomGenerator::system()->generate64(), 36);
        const int fd = ::openat(settled.folder, name.constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// The test's seam for a write that fails part way, as a full disk does.
WriteHook writeHook = nullptr;

bool writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = writeHook ? writeHook(fd, bytes.constData() + done, bytes.size() - done)
                                        : ::write(fd, bytes.constData() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) {
            if (wrote == 0) errno = ENOSPC;
            return false;
        }
        done += wrote;
    }
    return true;
}

// The new file takes the old one's place: it keeps its mode and, where the
// user may give it, its owner and group. A user can only keep a group of
// their own, so failing there changes nothing.
bool keptModeAndOwner(int fd, const Target& settled) {
    if (!settled.exists) return true;
    if (::fchown(fd, settled.info.st_uid, settled.info.st_gid) != 0) {
        const int groupOnly = ::fchown(fd, static_cast<uid_t>(-1), settled.info.st_gid);
        static_cast<void>(groupOnly);
    }
    return ::fchmod(fd, settled.info.st_mode & 07777) == 0;
}

// The bytes in a temporary file, on the disk, then renamed onto the settled
// name: whatever that name holds by then (a link swapped in included) is
// replaced, and nothing is ever written through it.
std::optional<FileError> replaced(const Target& settled, const QByteArray& bytes) {
    QByteArray temporary;
    const int fd = temporaryBeside(settled, temporary);
    if (fd < 0) return systemReason(errno);
    bool done = writeAll(fd, bytes) && keptModeAndOwner(fd, settled) && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && done) {
        done = false;
        error = errno;
    }
    if (done && ::renameat(settled.folder, temporary.constData(), settled.folder, settled.name.constData()) != 0) {
        done = false;
        error = errno;
    }
    if (!done) {
        ::unlinkat(settled.folder, temporary.constData(), 0);
        return systemReason(error);
    }
    // The rename itself reaches the disk with its folder.
    ::fsync(settled.folder);
    return std::nullopt;
}

}  // namespace

WriteHook setWriteHook(WriteHook hook) { return std::exchange(writeHook, hook); }

std::optional<FileError> refusedTarget(const QString& target, const QStringList& protectedFiles) {
    Target settled;
    if (std::optional<FileError> failure = settledTarget(target, settled)) {
        // A folder that cannot be reached: the write will tell.
        return std::nullopt;
    }
    return refusal(settled, protectedFiles);
}

std::optional<FileError> writeWhole(const QString& target, const QByteArray& bytes,
                                    const QStringList& protectedFiles) {
    Target settled;
    if (std::optional<FileError> failure = settledTarget(target, settled)) return failure;
    if (std::optional<FileError> refused = refusal(settled, protectedFiles)) return refused;
    return replaced(settled, bytes);
}

bool reopenClosedStandardStreams() {
    bool outputClosed = false;
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        if (fd == 1) outputClosed = true;
        // Opened in order, so the lowest free number is this one.
        const int opened = ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        if (opened >= 0 && opened != fd) ::close(opened);
    }
    return outputClosed;
}

#else

// Elsewhere there are no pipes to hang on nor device nodes to replace by
// name; the same file is told by its canonical path.
FileBytes readRegularFile(const QString& path, qint64 limit) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {std::nullopt, file.errorString().toStdString()};
    const QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError) return {std::nullopt, file.errorString().toStdString()};
    return {bytes, {}};
}

std::optional<FileError> refusedTarget(const QString& target, const QStringList& protectedFiles) {
    const QFileInfo info(target);
    if (!info.exists()) return std::nullopt;
    for (const QString& kept : protectedFiles)
        if (QFileInfo(kept).canonicalFilePath() == info.canonicalFilePath())
            return FileError(fm::isEquationFile);
    if (info.isDir()) return FileError(fm::isFolder);
    if (!info.isFile()) return FileError(fm::notRegularFile);
    if (!info.isWritable()) return FileError(fm::notWritable);
    return std::nullopt;
}

std::optional<FileError> writeWhole(const QString& target, const QByteArray& bytes,
                                    const QStringList& protectedFiles) {
    if (std::optional<FileError> refusal = refusedTarget(target, protectedFiles)) return refusal;
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        const std::string why = file.errorString().toStdString();
        file.cancelWriting();
        return why;
    }
    return std::nullopt;
}

bool reopenClosedStandardStreams() { return false; }

#endif

ArgumentName argumentName(const char* raw) {
    ArgumentName name;
    const QByteArray bytes(raw);
    name.path = QFile::decodeName(bytes);
    name.usable = QFile::encodeName(name.path) == bytes;
    name.shown = shownText(bytes.toStdString(), std::string::npos);
    return name;
}

QStringList argumentNames(int argc, char* argv[], QHash<QString, std::string>& undecodable) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        const ArgumentName name = argumentName(argv[i]);
        if (!name.usable) undecodable.insert(name.path, name.shown);
        arguments.append(name.path);
    }
    return arguments;
}
