// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a name from the command line and as a target to write: a
// name is used only when it is the name given, a message shows no control
// character and no long text, and no write ever changes the equation, a
// pipe or a read-only file, whatever name reaches it. Writes stay inside a
// folder of the run's own: the first byte picks a spelling, the rest is one
// name in it.
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "safefile.h"
#include "texts.h"

namespace {

const QByteArray equationBytes = R"({"format": "kalvex-equation", "version": 1, "terms": []})";

struct Fixture {
    QTemporaryDir dir;
    QString equation, pipe, readOnly, link;
    Fixture() {
        equation = dir.filePath("eq.kalvex");
        pipe = dir.filePath("pipe");
        readOnly = dir.filePath("ro");
        link = dir.filePath("link");
        QFile f(equation);
        if (!f.open(QIODevice::WriteOnly) || f.write(equationBytes) != equationBytes.size()) std::abort();
        f.close();
        QFile r(readOnly);
        if (!r.open(QIODevice::WriteOnly) || r.write("old") != 3) std::abort();
        r.close();
        if (::chmod(QFile::encodeName(readOnly).constData(), 0444) != 0) std::abort();
        if (::mkfifo(QFile::encodeName(pipe).constData(), 0644) != 0) std::abort();
        if (::symlink("eq.kalvex", QFile::encodeName(link).constData()) != 0) std::abort();
        if (!QDir(dir.path()).mkdir("sub")) std::abort();
    }
};

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// Shown text is well-formed UTF-8 without control characters, and cut.
void checkShown(const std::string& shown, std::size_t longest) {
    if (invalidUtf8At(shown) != std::string_view::npos) std::abort();
    std::size_t characters = 0;
    for (const char ch : shown) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x20 || byte == 0x7F) std::abort();
        if ((byte & 0xC0) != 0x80) ++characters;
    }
    if (longest != std::string::npos && characters > longest + 1) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Fixture fixture;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    checkShown(shownText(bytes), shownTextLength);

    // A command-line argument ends at its first NUL.
    const std::string argument = bytes.substr(0, bytes.find('\0'));
    const ArgumentName name = argumentName(argument.c_str());
    if (name.usable && QFile::encodeName(name.path) != QByteArray::fromStdString(argument)) std::abort();
    if (invalidUtf8At(argument) == std::string::npos && !name.usable) std::abort();
    checkShown(name.shown, std::string::npos);

    // One name inside the folder, spelt directly, through "./" or "sub/..".
    if (argument.empty()) return 0;
    static const char* const spellings[] = {"", "./", "sub/../", "./sub/../"};
    std::string leaf = argument.substr(1);
    for (char& ch : leaf)
        if (ch == '/') ch = '_';
    if (leaf.empty() || leaf == "." || leaf == ".." || leaf == "sub") return 0;
    const QString target = fixture.dir.path() + "/" + spellings[static_cast<unsigned char>(argument[0]) % 4] +
                           QFile::decodeName(leaf.c_str());
    if (QFile::encodeName(target).endsWith(QByteArray::fromStdString(leaf)) == false) return 0;

    const std::optional<FileError> failure = writeWhole(target, "picture", {fixture.equation});
    if (contents(fixture.equation) != equationBytes || contents(fixture.readOnly) != "old") std::abort();
    struct stat info {};
    if (::lstat(QFile::encodeName(fixture.pipe).constData(), &info) != 0 || !S_ISFIFO(info.st_mode))
        std::abort();
    if (::lstat(QFile::encodeName(fixture.link).constData(), &info) != 0 || !S_ISLNK(info.st_mode))
        std::abort();
    const FileBytes read = readRegularFile(target, 100);  // never waits, pipe or not
    if (!failure) {
        if (!read.bytes || *read.bytes != "picture") std::abort();
        QFile::remove(target);
    }
    return 0;
}
