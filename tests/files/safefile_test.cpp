// SPDX-License-Identifier: GPL-3.0-or-later
// Files named by a user: what may be written over, what may be read, and
// what a message shows of a name or a text.
#include "safefile.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <utility>

#include "equationfile.h"
#include "messages.h"
#include "texts.h"

namespace {

// A file's type and permissions, and its bytes when it is a regular one.
std::pair<mode_t, QByteArray> stateOf(const QString& path) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0) return {0, {}};
    QFile f(path);
    const bool regular = S_ISREG(info.st_mode) && f.open(QIODevice::ReadOnly);
    return {info.st_mode, regular ? f.readAll() : QByteArray()};
}

class SafeFile : public ::testing::Test {
protected:
    SafeFile() {
        equation = path("eq.kalvex");
        EXPECT_EQ(writeEquation(equation, Equation{}), std::nullopt);
    }
    QString path(const char* name) const { return dir.filePath(name); }
    QByteArray raw(const char* name) const { return QFile::encodeName(path(name)); }
    QTemporaryDir dir;
    QString equation;
};

}  // namespace

TEST_F(SafeFile, RefusedTargetsAreLeftExactlyAsTheyWere) {
    ASSERT_EQ(::symlink(raw("eq.kalvex").constData(), raw("link.png").constData()), 0);
    ASSERT_EQ(::link(raw("eq.kalvex").constData(), raw("hard.png").constData()), 0);
    ASSERT_EQ(::mkfifo(raw("pipe.png").constData(), 0644), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.png"));
    QFile readOnly(path("ro.png"));
    ASSERT_TRUE(readOnly.open(QIODevice::WriteOnly));
    readOnly.write("old");
    readOnly.close();
    ASSERT_EQ(::chmod(raw("ro.png").constData(), 0444), 0);  // refused even for root

    const struct {
        const char* name;
        const char* reason;
    } cases[] = {
        {"eq.kalvex", messages::files::isEquationFile}, {"link.png", messages::files::isEquationFile},
        {"hard.png", messages::files::isEquationFile},  {"pipe.png", messages::files::notRegularFile},
        {"folder.png", messages::files::isFolder},      {"ro.png", messages::files::notWritable},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto before = stateOf(path(c.name));
        EXPECT_EQ(refusedTarget(path(c.name), {equation}), c.reason);
        EXPECT_EQ(writeWhole(path(c.name), "picture", {equation}), c.reason);
        EXPECT_EQ(stateOf(path(c.name)), before);
    }
    // Through another spelling of the same name.
    EXPECT_EQ(refusedTarget(dir.path() + "/./eq.kalvex", {equation}), messages::files::isEquationFile);
    // Equation files refuse what cannot be written, naming the file.
    EXPECT_EQ(writeEquation(path("pipe.png"), Equation{})->text(),
              path("pipe.png").toStdString() + ": 保存できません（通常のファイルではありません）。");
    EXPECT_EQ(writeEquation(path("ro.png"), Equation{})->text(),
              path("ro.png").toStdString() + ": 保存できません（書き込みが許されていません）。");
    EXPECT_EQ(stateOf(path("ro.png")).second, "old");
}

TEST_F(SafeFile, AReplacedFileKeepsItsModeAndOwner) {
    ASSERT_EQ(::chmod(raw("eq.kalvex").constData(), 0640), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(raw("eq.kalvex").constData(), 65534, 65534), 0);
    }
    ASSERT_EQ(writeWhole(equation, "new"), std::nullopt);
    struct stat info {};
    ASSERT_EQ(::stat(raw("eq.kalvex").constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(info.st_uid, root ? 65534u : ::geteuid());
    EXPECT_EQ(stateOf(equation).second, "new");
}

TEST_F(SafeFile, ADeviceNodeIsNeitherReadNorReplaced) {
    if (::geteuid() != 0) GTEST_SKIP() << "making a device node needs root";
    ASSERT_EQ(::mknod(raw("null.png").constData(), S_IFCHR | 0666, makedev(1, 3)), 0);
    EXPECT_EQ(writeWhole(path("null.png"), "picture"), messages::files::notRegularFile);
    EXPECT_EQ(readRegularFile(path("null.png"), 100).reason, messages::files::notRegularFile);
    struct stat info {};
    ASSERT_EQ(::lstat(raw("null.png").constData(), &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
}

TEST_F(SafeFile, OnlyRegularFilesAreReadAndAPipeDoesNotWait) {
    ASSERT_EQ(::mkfifo(raw("pipe.kalvex").constData(), 0644), 0);
    const FileBytes pipe = readRegularFile(path("pipe.kalvex"), 100);  // would block without a writer
    EXPECT_FALSE(pipe.bytes);
    EXPECT_EQ(pipe.reason, messages::files::notRegularFile);
    EXPECT_EQ(readEquation(path("pipe.kalvex")).error.text(),
              path("pipe.kalvex").toStdString() + ": 開けません（通常のファイルではありません）。");
    const FileBytes cut = readRegularFile(equation, 10);
    ASSERT_TRUE(cut.bytes);
    EXPECT_EQ(cut.bytes->size(), 11);  // one past the limit: the caller tells it is too large
}

TEST(ShownText, NothingReachesTheTerminalRawAndLongTextIsCut) {
    const std::string sixtyOne(61, 'k');
    const struct {
        std::string text, shown;
    } cases[] = {
        {"power", "power"},
        {"指数", "指数"},
        {"\x1b]0;title\x07\x1b[2J", "\\x1B]0;title\\x07\\x1B[2J"},
        {"a\x7f\xc2\x85"
         "b",
         "a\\x7F\\u0085b"},
        {"\xe2\x80\xae"
         "gnp.exe",
         "\\u202Egnp.exe"},
        {"lat\xe9.kalvex", "lat\\xE9.kalvex"},
        // Invisible characters would make two texts look alike.
        {"a\xe2\x80\x8b"
         "b\xef\xbb\xbf",
         "a\\u200Bb\\uFEFF"},
        {std::string(60, 'k'), std::string(60, 'k')},
        {sixtyOne, std::string(60, 'k') + "…"},
        {std::string(59, 'k') + "指数", std::string(59, 'k') + "指…"},
    };
    for (const auto& c : cases) EXPECT_EQ(shownText(c.text), c.shown) << c.text;
    EXPECT_EQ(shownText(std::string(1 << 20, 'k')).size(), 60 + std::string("…").size());
    // An escape counts as long as it is written: fifteen fit in sixty.
    std::string fifteen;
    for (int i = 0; i < 15; ++i) fifteen += "\\x01";
    EXPECT_EQ(shownText(std::string(20, '\x01')), fifteen + "…");
}

// The mark stays under its character however the line is escaped or cut.
TEST(MarkedLine, TheMarkStaysUnderItsCharacter) {
    const std::string long100 = std::string(50, 'a') + "X" + std::string(49, 'b');
    const struct {
        std::string text;
        std::size_t position;
        std::string line;
        std::size_t mark;
    } cases[] = {
        {"x + sin x", 8, "x + sin x", 8},
        {"x\x1b[2J+", 1, "x\\x1B[2J+", 1},
        {"\x1b\x1bx", 2, "\\x1B\\x1Bx", 8},
        {"指数x", 6, "指数x", 2},
        {"x+", 2, "x+", 2},  // past the end: the mark after the last character
        {long100, 50, "…" + long100.substr(21, 60) + "…", 30},
        {long100, 0, long100.substr(0, 60) + "…", 0},
        {long100, 99, "…" + long100.substr(40), 60},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const MarkedLine marked = markedLine(c.text, c.position);
        EXPECT_EQ(marked.line, c.line);
        EXPECT_EQ(marked.mark, c.mark);
    }
}

TEST(ArgumentName, ANameQtCannotDecodeIsNotUsedAndShownLegibly) {
    const ArgumentName latin = argumentName("lat\xe9.kalvex");
    EXPECT_FALSE(latin.usable);
    EXPECT_EQ(latin.shown, "lat\\xE9.kalvex");
    const ArgumentName plain = argumentName("数式.kalvex");
    EXPECT_TRUE(plain.usable);
    EXPECT_EQ(plain.path, QString("数式.kalvex"));
}

namespace {

// Swaps two names back and forth as fast as it can until stopped, as
// another process could while a write runs; with no target, makes a link
// appear there and go again.
class Swapper {
public:
    Swapper(QByteArray target, QByteArray link, QByteArray linked)
        : target(std::move(target)), link(std::move(link)), linked(std::move(linked)),
          thread([this] { run(); }) {}
    ~Swapper() {
        stop = true;
        thread.join();
    }

private:
    void run() {
        while (!stop) {
            if (::renameat2(AT_FDCWD, target.constData(), AT_FDCWD, link.constData(), RENAME_EXCHANGE) == 0)
                continue;
            if (::symlink(linked.constData(), target.constData()) == 0) ::unlink(target.constData());
        }
    }
    QByteArray target, link, linked;
    std::atomic<bool> stop{false};
    std::thread thread;
};

}  // namespace

// The name is checked and then written while a link to a file that must
// not be written is swapped onto it and off again: whatever the timing,
// that file keeps its bytes.
TEST_F(SafeFile, ALinkSwappedOntoTheTargetIsNeverWrittenThrough) {
    QFile readOnly(path("ro.png"));
    ASSERT_TRUE(readOnly.open(QIODevice::WriteOnly));
    readOnly.write("old");
    readOnly.close();
    ASSERT_EQ(::chmod(raw("ro.png").constData(), 0444), 0);
    const QByteArray equationBytes = stateOf(equation).second;
    const struct {
        const char* victim;
        bool targetExists;  // else a link appears where no file was
    } cases[] = {{"eq.kalvex", true}, {"ro.png", true}, {"ro.png", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.victim);
        const QByteArray before = stateOf(path(c.victim)).second;
        int written = 0;
        for (int round = 0; round < 200; ++round) {
            QFile::remove(path("out.png"));
            QFile::remove(path("swap"));
            if (c.targetExists) {
                ASSERT_TRUE(QFile(path("out.png")).open(QIODevice::WriteOnly));
                ASSERT_EQ(::symlink(raw(c.victim).constData(), raw("swap").constData()), 0);
            }
            Swapper swapper(raw("out.png"), raw("swap"), raw(c.victim));
            written += writeWhole(path("out.png"), "picture", {equation}) ? 0 : 1;
            ASSERT_EQ(stateOf(path(c.victim)).second, before) << "round " << round;
        }
        EXPECT_GT(written, 0);  // the race was run, not always refused
    }
    EXPECT_EQ(stateOf(equation).second, equationBytes);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Hidden | QDir::Files).filter(QRegularExpression("^\\.")),
              QStringList{});
}

// A write that fails part way (a disk filling up) says why, in the
// system's words, leaves the old file and removes the temporary one.
TEST_F(SafeFile, AFailedWriteGivesTheReasonAndLeavesTheOldFile) {
    const QByteArray old = stateOf(equation).second;
    const struct {
        WriteHook hook;
        std::string reason;
    } cases[] = {
        {[](int, const char*, unsigned long) -> long {
             errno = ENOSPC;
             return -1;
         },
         std::strerror(ENOSPC)},
        // A short write, then nothing more: the disk is full.
        {[](int fd, const char* bytes, unsigned long) -> long {
             errno = ENOSPC;
             return ::lseek(fd, 0, SEEK_CUR) == 0 ? ::write(fd, bytes, 2) : -1;
         },
         std::strerror(ENOSPC)},
    };
    for (const auto& c : cases) {
        const WriteHook previous = setWriteHook(c.hook);
        const std::optional<FileError> failure = writeWhole(equation, QByteArray(100000, 'x'));
        setWriteHook(previous);
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->text(), c.reason);
        EXPECT_EQ(stateOf(equation).second, old);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"eq.kalvex"});
    }
    // The window's and the command line's message names the file and the reason.
    const WriteHook previous = setWriteHook(cases[0].hook);
    const std::optional<FileError> full = writeEquation(equation, Equation{});
    setWriteHook(previous);
    ASSERT_TRUE(full);
    EXPECT_EQ(full->text(), equation.toStdString() + ": 保存できません（No space left on device）。");
}
