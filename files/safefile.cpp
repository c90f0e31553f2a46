#include "safefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "messages.h"
#include "texts.h"

#ifdef Q_OS_UNIX
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

std::optional<FileError> refusedTarget(const QString& target, const QStringList& protectedFiles) {
    const QByteArray name = QFile::encodeName(target);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) return std::nullopt;  // a new file: the write will tell
    for (const QString& kept : protectedFiles) {
        struct stat other {};
        if (::stat(QFile::encodeName(kept).constData(), &other) == 0 && sameFile(info, other))
            return FileError(fm::isEquationFile);
    }
    if (S_ISDIR(info.st_mode)) return FileError(fm::isFolder);
    if (!S_ISREG(info.st_mode)) return FileError(fm::notRegularFile);
    if (!mayWrite(name, info)) return FileError(fm::notWritable);
    return std::nullopt;
}

std::optional<FileError> writeWhole(const QString& target, const QByteArray& bytes,
                                    const QStringList& protectedFiles) {
    if (std::optional<FileError> refusal = refusedTarget(target, protectedFiles)) return refusal;
    struct stat old {};
    const bool replacing = ::stat(QFile::encodeName(target).constData(), &old) == 0;
    QSaveFile file(target);
    auto failed = [&] {
        const std::string why = file.errorString().toStdString();
        file.cancelWriting();
        return why;
    };
    if (!file.open(QIODevice::WriteOnly)) return failed();
    if (file.write(bytes) != bytes.size() || !file.flush()) return failed();
    if (replacing) {
        // The new file takes the old one's place: it keeps its mode and,
        // where the user may give it, its owner and group. A user can only
        // keep a group of their own, so failing here changes nothing.
        const int fd = file.handle();
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            const int groupOnly = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
            static_cast<void>(groupOnly);
        }
        if (::fchmod(fd, old.st_mode & 07777) != 0) return failed();
    }
    if (!file.commit()) return file.errorString().toStdString();
    return std::nullopt;
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
