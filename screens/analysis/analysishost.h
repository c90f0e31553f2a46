// SPDX-License-Identifier: GPL-3.0-or-later
// What the analysis screen asks of the rest of the program: the registry,
// which creates every screen, answers. The screen knows no other screen.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>

// The range and precision texts of the boxes 変域(0), 変域(1) and 精度;
// none where they are not given.
struct AnalysisTexts {
    std::optional<std::string> start, end, precision;
};

class AnalysisHost {
public:
    virtual ~AnalysisHost() = default;
    // The setting screen's formula caption, copied on every activation.
    virtual QString formulaCaption() = 0;
    // Texts of an equation file opened before this screen was loaded.
    virtual std::optional<AnalysisTexts> takePendingTexts() = 0;
    // The name the picture dialog proposes.
    virtual QString proposedPicturePath(const QString& extension) = 0;
    // Writes the picture's bytes whole, refusing the equation's own file and
    // anything but a regular file: the message when it was not written.
    virtual std::optional<QString> writePicture(const QByteArray& bytes, const QString& path) = 0;
    virtual void showCalculationScreen() = 0;
    virtual void showSettingScreen() = 0;
    virtual void showTicksScreen() = 0;
};
