// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the files a user names, without harm to anything the
// name might point at: only regular files are read, and never by blocking
// on a pipe; a write replaces a regular file whole or not at all, keeps its
// permissions and owner, and never replaces the file it was made from.
// Qt Core only. Reasons come back untranslated, without the file's name, to
// go inside the caller's "cannot open" or "cannot save" message.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

#include "fileerror.h"

// The file's bytes, up to `limit` + 1 of them (so that a caller can tell a
// file that is too large), or why it could not be read.
struct FileBytes {
    std::optional<QByteArray> bytes;
    FileError reason;
};
FileBytes readRegularFile(const QString& path, qint64 limit);

// Why `target` must not be written, or none: it is one of `protectedFiles`
// (the same file through any name or link), it exists but is not a regular
// file, or the user may not write it.
std::optional<FileError> refusedTarget(const QString& target, const QStringList& protectedFiles);

// Writes `bytes` as `target` whole or not at all, after refusedTarget; a
// file replaced keeps its permissions and, as far as the user may set it,
// its owner. The target is settled once, links followed, before anything is
// checked; the bytes go to a new file beside it that is then renamed onto
// that name, so a link put there meanwhile is replaced, never written
// through. Why it failed (the system's reason), or none; on failure the old
// file is as it was and no temporary file is left.
std::optional<FileError> writeWhole(const QString& target, const QByteArray& bytes,
                                    const QStringList& protectedFiles = {});

#ifdef Q_OS_UNIX
// Tests only: every write of writeWhole goes through `hook` (as ::write;
// none restores it), so that a disk filling up can be shown. The old hook.
using WriteHook = long (*)(int fd, const char* bytes, unsigned long size);
WriteHook setWriteHook(WriteHook hook);
#endif

// A file name given on the command line, taken as the bytes it is. Qt
// decodes names as UTF-8, so a name that is not comes out as another name:
// `usable` is false then and the name must not be used.
struct ArgumentName {
    QString path;
    bool usable = true;
    std::string shown;  // the name for a message, undecodable bytes as \xE9
};
ArgumentName argumentName(const char* raw);

// The whole command line as the names it gives: each as argumentName takes
// it, the ones Qt could not decode recorded with how a message shows them
// (Qt's own list decodes them too, but keeps no trace of a name it could not).
QStringList argumentNames(int argc, char* argv[], QHash<QString, std::string>& undecodable);

// Standard input, output and error closed by the caller would be taken by
// the next file opened, and messages would land in it: each closed one is
// opened on the null device. True when standard output was closed.
bool reopenClosedStandardStreams();
