// SPDX-License-Identifier: GPL-3.0-or-later
// The equation as a file: which file it is tied to, what was last read from
// or written to it, and the commands of the ファイル menu. Unsaved work is
// asked about before it goes: a file's changes always, the terms of an
// untitled equation before 新規作成 and 開く put others in their place (an
// untitled equation still ends at once, as it always has). The analysis
// texts belong to the equation: they outlive the analysis screen.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "analysishost.h"
#include "equationfile.h"

class Kalvex;
class QEvent;
class QWidget;

// Which file the shown equation belongs to, with the range and precision
// shown beside it: what each step of 元に戻す gives back, so that taking
// back 開く or 新規作成 gives back the file too.
struct FileTie {
    QString path;
    AnalysisTexts texts;
};

// What the equation's file commands ask of the screens; the registry
// answers, so that the document knows no screen.
class DocumentScreens {
public:
    virtual ~DocumentScreens() = default;
    // The analysis screen's range and precision, when it is open.
    virtual std::optional<AnalysisTexts> openAnalysisTexts() = 0;
    // Puts texts into the open analysis screen; false when none is open.
    virtual bool putAnalysisTexts(const AnalysisTexts& texts) = 0;
    virtual bool isAnalysisScreen(const QObject* screen) = 0;
    // Replaces the terms as the setting screen shows them.
    virtual void showTerms(const std::vector<Term>& terms) = 0;
    // The window that holds a dialog when no window is active.
    virtual QWidget* mainWindow() = 0;
};

class Document : public QObject {
    Q_OBJECT

public:
    Document(Kalvex& kalvex, DocumentScreens& screens);

    // The ファイル menu's commands. Each says whether it went through.
    bool newEquation();
    bool open();  // asks for the file
    bool open(const QString& path);
    bool save();  // asks for a name when the equation has no file yet
    bool saveAs();

    // The question before unsaved work goes: true when it may go (saved,
    // not to be saved, or nothing to lose), false when the user cancelled.
    // With untitledToo, the terms of an equation tied to no file count as
    // unsaved work too.
    bool mayDiscard(bool untitledToo = false);

    // The equation as it stands: the terms as typed, and the analysis
    // screen's range and precision texts (or those waiting for it).
    Equation current() const;
    QString path() const { return filePath; }
    bool modified() const;

    // Which file the shown equation belongs to now.
    std::shared_ptr<const FileTie> fileTie() const;
    // Ties the shown equation to a file again, as an undo step had it: its
    // saved state is what this program last read from or wrote to that
    // file. A different file brings its range and precision back too.
    void restore(const FileTie& tie);

    // The last five files opened or saved, newest first (kept across runs).
    QStringList recentFiles() const;

    // Texts for the analysis screen's boxes that wait for it to load: a
    // file's, or those the screen held when it was closed.
    std::optional<AnalysisTexts> takePendingAnalysis();

    // Where a file dialog starts: the equation's folder, else the folder of
    // the last file opened or saved, else the home folder.
    QString startFolder() const;
    // The name the picture dialog proposes: the equation's name with the
    // picture's extension in the start folder.
    QString proposedPicturePath(const QString& extension) const;
    // A picture was saved here: its folder is where the next dialog starts.
    void rememberFolder(const QString& path);

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
    // The equation is tied to another file, or its file was written.
    void fileChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool write(const QString& path);
    void tie(const QString& path, const Equation& held);
    void putAnalysisTexts(const AnalysisTexts& texts);
    void remember(const QString& path);
    void forget(const QString& path);
    QString choosePath(bool forSaving);
    bool untitledWork() const;
    Answer questionAboutSaving();

    Kalvex& kalvex;
    DocumentScreens& screens;
    QString filePath;
    std::optional<Equation> saved;  // what the file holds, to tell a change
    // What each file held when this program last read or wrote it: undo
    // can tie the equation to any of them again.
    QHash<QString, Equation> held;
    std::optional<AnalysisTexts> pendingAnalysis;
};
