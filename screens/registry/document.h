// The equation as a file: which file it is tied to, what was last read from
// or written to it, and the commands of the ファイル menu. Unsaved work is
// asked about before it goes, once the equation is tied to a file; an
// equation never tied to one ends at once, as it always has.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "equationfile.h"

class Kalvex;
class ScreenRegistry;
class QEvent;

class Document : public QObject {
    Q_OBJECT

public:
    Document(Kalvex& kalvex, ScreenRegistry& registry);

    // The ファイル menu's commands. Each says whether it went through.
    bool newEquation();
    bool open();  // asks for the file
    bool open(const QString& path);
    bool save();  // asks for a name when the equation has no file yet
    bool saveAs();

    // The question before unsaved work goes: true when it may go (saved,
    // not to be saved, or nothing to lose), false when the user cancelled.
    bool mayDiscard();

    // The equation as it stands: the terms as typed, and the analysis
    // screen's range and precision texts (or those waiting for it).
    Equation current() const;
    QString path() const { return filePath; }
    bool modified() const;

    // The last five files opened or saved, newest first (kept across runs).
    QStringList recentFiles() const;

    // Texts for the analysis screen's boxes that wait for it to load.
    std::optional<Equation> takePendingAnalysis();

    enum class Answer { save, discard, cancel };
    // Tests answer the dialogs here: the file chosen (empty: cancelled), and
    // the question about unsaved work.
    std::function<QString(bool forSaving)> askPath;
    std::function<Answer()> askSave;

    // Watches a screen for dropped .kalvex files and for the closing of the
    // last window.
    void watch(QObject* screen);

signals:
    void recentFilesChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool write(const QString& path);
    void tie(const QString& path, const Equation& equation);
    void remember(const QString& path);
    QString choosePath(bool forSaving);
    Answer questionAboutSaving();

    Kalvex& kalvex;
    ScreenRegistry& registry;
    QString filePath;
    std::optional<Equation> saved;  // what the file holds, to tell a change
    std::optional<Equation> pendingAnalysis;
};
