// SPDX-License-Identifier: GPL-3.0-or-later
#include "document.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QUrl>
#include <QWidget>

#include "kalvex.h"
#include "language.h"
#include "messages.h"

namespace {

constexpr int recentLimit = 5;
const char* const recentKey = "recentFiles";
const char* const folderKey = "lastFolder";
const char* const pictureFolderKey = "lastPictureFolder";
const char* const suffix = ".kalvex";
// The precision box's text on a freshly loaded analysis screen.
const char* const initialPrecision = "1E-07";

QSettings settings() { return QSettings(QSettings::NativeFormat, QSettings::UserScope, "kalvex", "kalvex"); }

// A text of messages.h in the installed language.
QString text(const char* message) { return translatedMessage(message); }

// The .kalvex file among the dropped ones, if any.
QString droppedEquation(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() && url.toLocalFile().endsWith(suffix, Qt::CaseInsensitive))
            return url.toLocalFile();
    }
    return {};
}

// The texts as the analysis screen's boxes would show them: a range the
// file does not give is an empty box, a precision it does not give the
// box's initial one. Telling a change compares these, so that a file
// without them is not "changed" by merely being shown.
Equation asShown(Equation e) {
    if (!e.start) e.start = "";
    if (!e.end) e.end = "";
    if (!e.precision) e.precision = initialPrecision;
    return e;
}

// The window the user works in, to hold a dialog.
QWidget* dialogParent(QWidget* fallback) {
    QWidget* active = QApplication::activeWindow();
    return active ? active : fallback;
}

}  // namespace

Document::Document(Kalvex& kalvex, DocumentScreens& screens) : kalvex(kalvex), screens(screens) {}

Equation Document::current() const {
    Equation e;
    e.terms = kalvex.terms();
    if (const std::optional<AnalysisTexts> texts = screens.openAnalysisTexts()) {
        e.start = texts->start;
        e.end = texts->end;
        e.precision = texts->precision;
    } else if (pendingAnalysis) {
        e.start = pendingAnalysis->start;
        e.end = pendingAnalysis->end;
        e.precision = pendingAnalysis->precision;
    } else if (saved) {
        // The analysis screen was closed since: the file's texts stand.
        e.start = saved->start;
        e.end = saved->end;
        e.precision = saved->precision;
    }
    return e;
}

bool Document::modified() const {
    return saved && serializeEquation(asShown(current())) != serializeEquation(asShown(*saved));
}

bool Document::untitledWork() const { return filePath.isEmpty() && kalvex.termTotal() > 0; }

bool Document::newEquation() {
    if (!mayDiscard(true)) return false;
    screens.showTerms({});
    pendingAnalysis.reset();
    filePath.clear();
    saved.reset();
    emit fileChanged();
    return true;
}

bool Document::open() {
    const QString path = choosePath(false);
    return !path.isEmpty() && open(path);
}

bool Document::open(const QString& path) {
    const EquationRead read = readEquation(path);
    if (!read) {
        forget(path);
        kalvex.showMessage(read.error.text(translatedMessageUtf8));
        return false;
    }
    if (!mayDiscard(true)) return false;
    const Equation& equation = *read.equation;
    screens.showTerms(equation.terms);
    putAnalysisTexts({equation.start, equation.end, equation.precision});
    tie(path, current());
    return true;
}

// Into the open analysis screen, or waiting for it to load.
void Document::putAnalysisTexts(const AnalysisTexts& texts) {
    if (screens.putAnalysisTexts(texts)) {
        pendingAnalysis.reset();
    } else {
        pendingAnalysis = texts;
    }
}

void Document::tie(const QString& path, const Equation& equation) {
    filePath = path;
    saved = equation;
    held.insert(path, equation);
    remember(path);
    emit fileChanged();
}

std::shared_ptr<const FileTie> Document::fileTie() const {
    const Equation shown = current();
    return std::make_shared<const FileTie>(FileTie{filePath, {shown.start, shown.end, shown.precision}});
}

void Document::restore(const FileTie& tie) {
    if (tie.path == filePath) return;
    filePath = tie.path;
    const auto file = held.constFind(filePath);
    saved = file == held.cend() ? std::nullopt : std::optional<Equation>(*file);
    putAnalysisTexts(tie.texts);
    emit fileChanged();
}

bool Document::save() { return filePath.isEmpty() ? saveAs() : write(filePath); }

bool Document::saveAs() {
    QString path = choosePath(true);
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += suffix;
    return write(path);
}

bool Document::write(const QString& path) {
    const Equation equation = current();
    if (const auto failure = writeEquation(path, equation)) {
        kalvex.showMessage(failure->text(translatedMessageUtf8));
        return false;
    }
    tie(path, equation);
    return true;
}

bool Document::mayDiscard(bool untitledToo) {
    if (!modified() && !(untitledToo && untitledWork())) return true;
    switch (askSave ? askSave() : questionAboutSaving()) {
        case Answer::save: return save();
        case Answer::discard: return true;
        case Answer::cancel: return false;
    }
    return false;
}

Document::Answer Document::questionAboutSaving() {
    const QString question = filePath.isEmpty()
                                 ? text(messages::files::saveUntitled)
                                 : text(messages::files::saveChanges).arg(QFileInfo(filePath).fileName());
    QMessageBox box(QMessageBox::NoIcon, text(messages::title), question, QMessageBox::NoButton,
                    dialogParent(screens.mainWindow()));
    QPushButton* saving = box.addButton(text(messages::files::saveButton), QMessageBox::AcceptRole);
    QPushButton* discarding =
        box.addButton(text(messages::files::discardButton), QMessageBox::DestructiveRole);
    box.addButton(text(messages::files::cancelButton), QMessageBox::RejectRole);
    box.setDefaultButton(saving);
    box.exec();
    if (box.clickedButton() == saving) return Answer::save;
    if (box.clickedButton() == discarding) return Answer::discard;
    return Answer::cancel;
}

QString Document::choosePath(bool forSaving) {
    if (askPath) return askPath(forSaving);
    const QString filter = text(messages::files::dialogFilter);
    QWidget* parent = dialogParent(screens.mainWindow());
    if (forSaving) {
        const QString proposed =
            filePath.isEmpty() ? QDir(startFolder()).filePath(QStringLiteral("equation") + suffix) : filePath;
        return QFileDialog::getSaveFileName(parent, text(messages::files::saveTitle), proposed, filter);
    }
    return QFileDialog::getOpenFileName(parent, text(messages::files::openTitle), startFolder(), filter);
}

QString Document::startFolder() const {
    if (!filePath.isEmpty()) return QFileInfo(filePath).absolutePath();
    const QString last = settings().value(folderKey).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
    return QDir::homePath();
}

QString Document::proposedPicturePath(const QString& extension) const {
    const QString name =
        (filePath.isEmpty() ? QStringLiteral("graph") : QFileInfo(filePath).completeBaseName()) +
        QLatin1Char('.') + extension;
    const QString pictures = settings().value(pictureFolderKey).toString();
    const QString folder = !pictures.isEmpty() && QFileInfo(pictures).isDir() ? pictures : startFolder();
    return QDir(folder).filePath(name);
}

void Document::rememberFolder(const QString& path) {
    settings().setValue(pictureFolderKey, QFileInfo(path).absolutePath());
}

QStringList Document::recentFiles() const { return settings().value(recentKey).toStringList(); }

// A file that could not be read has no place among those to open again.
void Document::forget(const QString& path) {
    QStringList recent = recentFiles();
    if (recent.removeAll(QFileInfo(path).absoluteFilePath()) == 0) return;
    settings().setValue(recentKey, recent);
    emit recentFilesChanged();
}

void Document::remember(const QString& path) {
    QStringList recent = recentFiles();
    const QString full = QFileInfo(path).absoluteFilePath();
    recent.removeAll(full);
    recent.prepend(full);
    while (recent.size() > recentLimit) recent.removeLast();
    settings().setValue(recentKey, recent);
    settings().setValue(folderKey, QFileInfo(full).absolutePath());
    emit recentFilesChanged();
}

std::optional<AnalysisTexts> Document::takePendingAnalysis() {
    std::optional<AnalysisTexts> pending = std::move(pendingAnalysis);
    pendingAnalysis.reset();
    return pending;
}

void Document::watch(QObject* screen) {
    screen->installEventFilter(this);
    if (auto* widget = qobject_cast<QWidget*>(screen)) widget->setAcceptDrops(true);
}

bool Document::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::DragEnter: {
            auto* drag = static_cast<QDragEnterEvent*>(event);
            if (droppedEquation(drag->mimeData()).isEmpty()) return false;
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const QString path = droppedEquation(drop->mimeData());
            if (path.isEmpty()) return false;
            drop->acceptProposedAction();
            open(path);
            return true;
        }
        case QEvent::Close: {
            // A file's range and precision outlive the analysis screen: they
            // are the equation's, and its next load shows them again. An
            // untitled equation's boxes go with the screen, as they always have.
            if (screens.isAnalysisScreen(watched) && !filePath.isEmpty())
                pendingAnalysis = screens.openAnalysisTexts();
            // Only the last window's closing ends the program.
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (w != watched && w->isVisible() && !w->objectName().isEmpty()) return false;
            }
            if (mayDiscard()) return false;
            event->ignore();
            return true;
        }
        default: return false;
    }
}
