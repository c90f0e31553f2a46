// SPDX-License-Identifier: GPL-3.0-or-later
// Kalvex --export as a script runs it, with no display at all: the pictures
// it writes against a picture box painted with the same graph, and what it
// says and leaves behind for files and usage it refuses.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <map>

#include "equationfile.h"
#include "exportgraph.h"
#include "picturebox.h"

namespace {

const char* const square = R"([{"shape": "power", "b": "1", "n": "2"}, {"shape": "constant", "k": "-2"}])";

QByteArray equationFile(const char* terms, const char* analysis) {
    return QByteArray(R"({"format": "kalvex-equation", "version": 1, "terms": )") + terms + analysis + "}";
}

struct Ran {
    std::string err;
    int status = -1;
};

class ExportCommand : public ::testing::Test {
protected:
    ExportCommand() {
        write("sq.kalvex", equationFile(square, R"(, "analysis": {"start": "-3", "end": "3"})"));
        write("norange.kalvex", equationFile(square, ""));
        write("exp.kalvex", equationFile(R"([{"shape": "exp", "a": "1", "b": "100", "n": "1", "c": "0"}])",
                                         R"(, "analysis": {"start": "0", "end": "1"})"));
        write("ln.kalvex", equationFile(R"([{"shape": "log", "a": "1", "b": "1", "n": "1", "c": "0"}])",
                                        R"(, "analysis": {"start": "0.01", "end": "1"})"));
    }
    void write(const QString& name, const QByteArray& bytes) {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QString path(const QString& name) const { return dir.filePath(name); }

    // No platform chosen and no display to fall back on; a runtime folder
    // only so that Qt has nothing to warn about.
    Ran run(const QStringList& arguments, const QString& locale = QString(), bool runtimeFolder = true,
            const QString& program = KALVEX) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) environment.remove(name);
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        if (!runtimeFolder) environment.remove("XDG_RUNTIME_DIR");
        environment.insert("KALVEX", KALVEX);
        if (!locale.isEmpty()) {
            for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"}) environment.remove(name);
            environment.insert("LANG", locale);
        }
        QProcess p;
        p.setProcessEnvironment(environment);
        p.setWorkingDirectory(dir.path());
        p.start(program, arguments);
        EXPECT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.readAllStandardOutput(), "");
        return {p.readAllStandardError().toStdString(),
                p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1};
    }

    QTemporaryDir dir, runtime;
};

}  // namespace

TEST_F(ExportCommand, PngIsThePictureBoxPaintedWithTheGraphAtTheAskedSize) {
    for (const auto& [extra, size] : {std::pair{QStringList{}, QSize(942, 565)},
                                      std::pair{QStringList{"--size", "400x300"}, QSize(400, 300)}}) {
        SCOPED_TRACE(size.width());
        const Ran r = run(QStringList{"sq.kalvex", "--export", "g.png"} + extra);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        const QImage png = QImage(path("g.png")).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(png.size(), size);

        const EquationRead read = readEquation(path("sq.kalvex"));
        ASSERT_TRUE(read);
        PictureBox box;
        box.resize(size);
        box.paint(graphOf(*read.equation, size.width(), size.height()).ops);
        EXPECT_EQ(png, box.grab().toImage().convertToFormat(QImage::Format_RGB32));

        // The frame on the edges, the axes through the origin, the curve at its lowest point.
        const int w = size.width(), h = size.height();
        for (const QPoint edge :
             {QPoint(w / 4, 0), QPoint(w / 4, h - 1), QPoint(0, h / 4), QPoint(w - 1, h / 4)}) {
            EXPECT_EQ(png.pixelColor(edge), QColor(0, 0, 200)) << edge.x() << "," << edge.y();
        }
        const QPoint origin = box.toPixels(0, 0).toPoint(), lowest = box.toPixels(0, -2).toPoint();
        EXPECT_EQ(png.pixelColor(origin.x(), 5), QColor(255, 0, 0));
        EXPECT_EQ(png.pixelColor(5, origin.y()), QColor(255, 0, 0));
        int dark = 0;
        for (int dy = -1; dy <= 1; ++dy) dark += png.pixelColor(lowest + QPoint(0, dy)) == Qt::black;
        EXPECT_GT(dark, 0);
    }
}

TEST_F(ExportCommand, SvgHoldsTheAxesTheFrameAndTheCurveAsLines) {
    const Ran r = run({"sq.kalvex", "--export=g.SVG"});
    ASSERT_EQ(r.status, 0) << r.err;
    QFile file(path("g.SVG"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // Polylines by the stroke of the group they are drawn in.
    std::map<QString, int> polylines;
    QString stroke;
    QXmlStreamReader xml(&file);
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        if (!xml.isStartElement()) continue;
        if (xml.attributes().hasAttribute("stroke"))
            stroke = xml.attributes().value("stroke").toString().toLower();
        if (xml.name() == QLatin1String("polyline")) ++polylines[stroke];
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(polylines["#ff0000"], 2);
    EXPECT_GE(polylines["#0000c8"], 4);
    EXPECT_GT(polylines["#000000"], 100);       // a segment between each two samples in view
    EXPECT_EQ(polylines.count("#ffff00"), 0u);  // no grid on a fresh program
}

TEST_F(ExportCommand, RefusalsSaySoWithTheirStatusAndWriteNothing) {
    const std::string usage = "使い方: Kalvex FILE --export OUT.png|OUT.svg [--size WxH]\n";
    const struct {
        QStringList arguments;
        int status;
        std::string err;  // the start of standard error
    } cases[] = {
        {{"missing.kalvex", "--export", "g.png"}, 1, "missing.kalvex: 開けません（"},
        {{"exp.kalvex", "--export", "g.png"}, 1, "関数の値が大きすぎてグラフを描けません。\n"},
        // Stopped beyond the range, where the window shows the frame alone.
        {{"ln.kalvex", "--export", "g.png"}, 1, "Log( )の括弧内が０以下になってしまっています。\n"},
        {{"sq.kalvex", "--export", "none/g.png"}, 1, "none/g.png: 画像を保存できません（"},
        {{"sq.kalvex", "--export", "g.png", "--size", "0x5"}, 2, "--size には幅と高さを"},
        {{"sq.kalvex", "--export", "g.png", "--size", "10001x10"}, 2, "--size には幅と高さを"},
        {{"sq.kalvex", "--export", "g.png", "--size", "1.5x2"}, 2, "--size には幅と高さを"},
        {{"sq.kalvex", "--export", "g.png", "--size", "99999999999x1"}, 2, "--size には幅と高さを"},
        {{"--export", "g.png"}, 2, "方程式のファイルを指定してください。\n" + usage},
        {{"sq.kalvex", "sq.kalvex", "--export", "g.png"}, 2, "方程式のファイルはひとつだけ"},
        {{"sq.kalvex", "--export="}, 2, "--export には保存する画像のファイル名が必要です。\n" + usage},
        {{"sq.kalvex", "--export", "g.png", "--colour"}, 2, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Ran r = run(c.arguments);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.err.substr(0, c.err.size()), c.err) << r.err;
        EXPECT_TRUE(c.status == 1 || r.err.ends_with(usage)) << r.err;
        EXPECT_FALSE(QFile::exists(path("g.png")));
    }
}

// Under an English locale the export speaks English: its own usage and
// refusals, the file's and the engine's messages alike.
TEST_F(ExportCommand, SpeaksEnglishUnderAnEnglishLocale) {
    const QString en = "en_US.UTF-8";
    const Ran none = run({"--export", "g.png"}, en);
    EXPECT_EQ(none.status, 2);
    EXPECT_EQ(none.err, "Name an equation file.\nUsage: Kalvex FILE --export OUT.png|OUT.svg [--size WxH]\n");
    const Ran size = run({"sq.kalvex", "--export", "g.png", "--size", "0x1"}, en);
    EXPECT_EQ(size.err.substr(0, size.err.find('\n')),
              "--size takes the width and height as whole numbers from 1 to 10000, as in 942x565.");
    EXPECT_EQ(
        run({"ln.kalvex", "--export", "g.png"}, en).err,
        "The argument of Log( ) is zero or less.\nThe range reached a point where F cannot be computed.\n");
    EXPECT_FALSE(QFile::exists(path("g.png")));
}

namespace {

struct Kept {
    bool exists;
    mode_t mode;
    QByteArray bytes;
    bool operator==(const Kept&) const = default;
};

Kept stateOf(const QString& path) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0) return {false, 0, {}};
    QFile f(path);
    const bool regular = S_ISREG(info.st_mode) && f.open(QIODevice::ReadOnly);
    return {true, info.st_mode, regular ? f.readAll() : QByteArray()};
}

}  // namespace

// The equation under any of its names, a pipe, a read-only file, a name Qt
// would change: each refused with status 1, and left exactly as it was.
TEST_F(ExportCommand, RefusedTargetsAreLeftAsTheyWere) {
    const QByteArray equation = QFile::encodeName(path("sq.kalvex"));
    ASSERT_EQ(::symlink(equation.constData(), QFile::encodeName(path("link.png")).constData()), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe.png")).constData(), 0644), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe.kalvex")).constData(), 0644), 0);
    write("ro.png", "old");
    ASSERT_TRUE(
        QFile::setPermissions(path("ro.png"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const std::string self = ": 画像を保存できません（読み込んだ方程式のファイルそのものです）。\n";
    const struct {
        QStringList arguments;
        QString kept;
        std::string err;
    } cases[] = {
        {{"sq.kalvex", "--export", "sq.kalvex"}, "sq.kalvex", "sq.kalvex" + self},
        {{"sq.kalvex", "--export", "./sq.kalvex"}, "sq.kalvex", "./sq.kalvex" + self},
        {{"sq.kalvex", "--export", "link.png"}, "sq.kalvex", "link.png" + self},
        {{"sq.kalvex", "--export", "pipe.png"},
         "pipe.png",
         "pipe.png: 画像を保存できません（通常のファイルではありません）。\n"},
        {{"sq.kalvex", "--export", "ro.png"},
         "ro.png",
         "ro.png: 画像を保存できません（書き込みが許されていません）。\n"},
        {{"pipe.kalvex", "--export", "g.png"},
         "g.png",
         "pipe.kalvex: 開けません（通常のファイルではありません）。\n"},
        {{"-c", R"sh(exec "$KALVEX" sq.kalvex --export "$(printf 'out\351.png')")sh"},
         "g.png",
         "out\\xE9.png: 画像を保存できません（ファイル名が UTF-8 ではありません）。\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Kept before = stateOf(path(c.kept));
        const Ran r = c.arguments.first() == "-c" ? run(c.arguments, {}, true, "sh") : run(c.arguments);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(stateOf(path(c.kept)), before);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System).size(), 8);  // nothing new, no temporary
}

TEST_F(ExportCommand, QuietWithoutARuntimeFolderAndAFileWithoutARangeIsStatusTwo) {
    const Ran quiet = run({"sq.kalvex", "--export", "g.png"}, {}, false);
    EXPECT_EQ(quiet.status, 0);
    EXPECT_EQ(quiet.err, "");
    const Ran noRange = run({"norange.kalvex", "--export", "h.png"});
    EXPECT_EQ(noRange.status, 2);
    EXPECT_EQ(noRange.err,
              "norange.kalvex: 変域がありません。ファイルの analysis に start と end を書いてください。\n");
    write("none.kalvex", equationFile("[]", R"(, "analysis": {"start": "-3", "end": "3"})"));
    EXPECT_EQ(run({"none.kalvex", "--export", "h.png"}).err, "none.kalvex: 式を入力してください。\n");
    EXPECT_FALSE(QFile::exists(path("h.png")));
}

// Without --export the command line opens a window, so these are refused
// before any window is tried: here there is no display to try it on.
TEST_F(ExportCommand, TheWindowsCommandLineRefusesWhatItDoesNotKnow) {
    const std::string help = "使い方は Kalvex --help で表示されます。\n";
    const struct {
        QStringList arguments;
        std::string err;
    } cases[] = {
        {{"--bogus"}, "「--bogus」というオプションはありません。\n" + help},
        {{"--bogus=1", "sq.kalvex"}, "「--bogus」というオプションはありません。\n" + help},
        {{"sq.kalvex", "norange.kalvex"}, "方程式のファイルはひとつだけ指定してください。\n" + help},
        {{"--size", "3x3", "sq.kalvex"}, "--size は --export と一緒に使ってください。\n" + help},
        {{"-e"}, "-e には値が必要です。\n" + help},
        {{"-e", ""}, "-e の式が空です。\n" + help},
        {{"-e", "x", "-e", "x^2"}, "-e は一度だけ指定してください。\n" + help},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Ran r = run(c.arguments);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, c.err);
    }
    EXPECT_EQ(run({"--bogus"}, "en_US.UTF-8").err,
              "Unknown option “--bogus”.\nRun Kalvex --help for usage.\n");
}

TEST_F(ExportCommand, UsageErrorsNameTheirOptionAndEchoNothingRaw) {
    const std::string usage = "使い方: Kalvex FILE --export OUT.png|OUT.svg [--size WxH]\n";
    const struct {
        QStringList arguments;
        std::string err;
    } cases[] = {
        {{"sq.kalvex", "--export", "a.png", "--\x1b[2Jx=1"}, "「--\\x1B[2Jx」というオプションはありません。\n"},
        {{"sq.kalvex", "--export", "a.png", "--export", "b.png"}, "--export は一度だけ指定してください。\n"},
        {{"sq.kalvex", "--size=3x3", "--export", "a.png", "--size", "4x4"}, "--size は一度だけ指定してください。\n"},
        {{"sq.kalvex", "--export", "a.png", "--size"}, "--size には値が必要です。\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Ran r = run(c.arguments);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, c.err + usage);
    }
    EXPECT_FALSE(QFile::exists(path("a.png")));
}

// Help and version that cannot be written say so, in both names of the
// program; a disk that fills during an export names the reason.
TEST_F(ExportCommand, WritesThatFailSayWhy) {
    const struct {
        QString command;
        std::string err;
        int status;
    } cases[] = {
        {R"(exec "$KALVEX" --help >/dev/full)", "標準出力に書けません（No space left on device）。\n", 2},
        {R"(exec "$KALVEX" --version >&-)", "標準出力に書けません（Bad file descriptor）。\n", 2},
        {R"(exec "$(dirname "$KALVEX")/zemo" --help >&-)", "標準出力に書けません（Bad file descriptor）。\n", 2},
        {R"(trap '' XFSZ; ulimit -f 1; exec "$KALVEX" sq.kalvex --export big.png)",
         "big.png: 画像を保存できません（File too large）。\n", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command.toStdString());
        const Ran r = run({"-c", c.command}, QString(), true, "sh");
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.status, c.status);
    }
    EXPECT_FALSE(QFile::exists(path("big.png")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).filter("big.png"), QStringList{});
}

TEST_F(ExportCommand, TheWindowsHelpNamesTheEndOfOptions) {
    QProcess p;
    p.start(KALVEX, {"--help"});
    ASSERT_TRUE(p.waitForFinished(60000));
    const QString help = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(help.contains("Kalvex [--] FILE\n")) << help.toStdString();
    EXPECT_TRUE(help.contains("-- の後は")) << help.toStdString();
}
