// SPDX-License-Identifier: GPL-3.0-or-later
// The graph's picture written to a file, for the window and the export
// alike: whole or not at all, never over the equation it was drawn from or
// anything that is not a regular file.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "pictureexport.h"

class PictureBox;

// The bytes written to path: a message naming the file when they were not.
// A path that is one of protectedFiles, not a regular file, or not writable
// is refused and left as it is.
std::optional<QString> writePicture(const QByteArray& bytes, const QString& path,
                                    const QStringList& protectedFiles = {});

// The picture drawn in the format and written; a refused target is refused
// before anything is drawn.
std::optional<QString> savePicture(PictureBox& box, const QString& path, PictureFormat format,
                                   const QStringList& protectedFiles = {});
