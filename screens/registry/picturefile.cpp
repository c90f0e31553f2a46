// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturefile.h"

#include "language.h"
#include "messages.h"
#include "safefile.h"
#include "texts.h"

namespace {

// The file's name as every message shows it, nothing in it raw.
QString failedSave(const QString& path, const FileError& why) {
    const QString shownName = QString::fromStdString(shownText(path.toStdString(), std::string::npos));
    const QString reason = translatedMessage(messages::files::cannotSavePicture)
                               .arg(QString::fromStdString(why.text(translatedMessageUtf8)));
    return translatedMessage(messages::files::aboutFile).arg(shownName, reason);
}

}  // namespace

std::optional<QString> writePicture(const QByteArray& bytes, const QString& path,
                                    const QStringList& protectedFiles) {
    if (const std::optional<FileError> why = writeWhole(path, bytes, protectedFiles))
        return failedSave(path, *why);
    return std::nullopt;
}

std::optional<QString> savePicture(PictureBox& box, const QString& path, PictureFormat format,
                                   const QStringList& protectedFiles) {
    if (const std::optional<FileError> refusal = refusedTarget(path, protectedFiles))
        return failedSave(path, *refusal);
    return writePicture(pictureBytes(box, format), path, protectedFiles);
}
