// SPDX-License-Identifier: GPL-3.0-or-later
// The version and help screens: their design, their one button, and their
// life as modeless windows of which there is at most one each.
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <cstdint>

#include "fixture.h"
#include "kalvexversion.h"
#include "helpscreen.h"
#include "versionscreen.h"
#include "twips.h"
#include "settingscreen.h"

namespace {

struct Design {
    const char* name;
    const char* parent;
    QRect geometry;
    QString text;
    QString family;  // empty: the default font
    double pointSize;
};

class InfoScreens : public ScreenTest {
protected:
    // Lets closed windows go, as the event loop would.
    static void settle() {
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    int visibleWindowsNamed(const QString& name) {
        int count = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == name && window->isVisible()) ++count;
        return count;
    }

    void expectDesign(QWidget* screen, const std::vector<Design>& controls) {
        for (const Design& d : controls) {
            SCOPED_TRACE(d.name);
            QWidget* control = find<QWidget>(screen, QString::fromUtf8(d.name));
            if (!control) continue;
            EXPECT_EQ(control->parentWidget()->objectName(), QString::fromUtf8(d.parent));
            EXPECT_EQ(control->geometry(), d.geometry);
            if (auto* label = qobject_cast<QLabel*>(control)) {
                EXPECT_EQ(label->text(), d.text);
            } else if (auto* button = qobject_cast<QPushButton*>(control)) {
                EXPECT_EQ(button->text(), d.text);
            }
            if (d.family.isEmpty()) {
                EXPECT_EQ(control->font(), QApplication::font(control));
            } else {
                EXPECT_EQ(control->font().family(), d.family);
                EXPECT_DOUBLE_EQ(control->font().pointSizeF(), d.pointSize);
            }
        }
    }

    // Every character has a glyph in the font that draws it, and the text
    // stays inside the control: a missing Japanese font or a too long
    // address would otherwise only show on screen.
    static void expectReadable(const QLabel* label) {
        SCOPED_TRACE(label->objectName().toStdString());
        const QFontMetrics metrics(label->font());
        for (char32_t c : label->text().toUcs4())
            EXPECT_TRUE(metrics.inFontUcs4(c)) << std::hex << static_cast<std::uint32_t>(c);
        const QRect box = label->contentsRect();
        const QRect needed =
            metrics.boundingRect(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, label->text());
        EXPECT_LE(needed.width(), box.width());
        EXPECT_LE(needed.height(), box.height());
    }
};

}  // namespace

TEST_F(InfoScreens, VersionScreenIsDesignedAsTheForm) {
    VersionScreen& screen = registry->version();
    EXPECT_EQ(screen.windowTitle(), "バージョン情報");
    EXPECT_EQ(screen.size(), twipsRect(0, 0, 3720, 3000).size());
    EXPECT_EQ(screen.minimumSize(), screen.maximumSize());
    const QString gothic = "ＭＳ Ｐゴシック";
    const QString mincho = "ＭＳ 明朝";
    expectDesign(
        &screen,
        {
            {"Frame1", "バージョン表示画面", twipsRect(120, 60, 3552, 2820), "", "", 0},
            {"Picture1", "Frame1", twipsRect(105, 240, 624, 624), "", "", 0},
            {"Command1", "Frame1", twipsRect(2475, 2295, 876, 456), "O\u3000K", mincho, 12},
            {"Label6", "Frame1", twipsRect(180, 1920, 3150, 285), "E-mail       kalvex@example.jp", "", 0},
            {"Label5", "Frame1", twipsRect(195, 1680, 3255, 240), "URL http://kalvex.example.jp/", "", 0},
            {"Label4", "Frame1", twipsRect(195, 1365, 3015, 255), "2003.8.17-2003.8.25", "", 0},
            {"Label1", "Frame1", twipsRect(990, 510, 810, 285), "ZEMO", gothic, 12},
            {"Label2", "Frame1", twipsRect(1635, 795, 1830, 255), "Version " KALVEX_VERSION, mincho, 11.4},
            {"Label3", "Frame1", twipsRect(1635, 1050, 1650, 315), "Kalvex工房", gothic, 12},
        });
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"})
        expectReadable(find<QLabel>(&screen, name));
    EXPECT_TRUE(QFontMetrics(find<QPushButton>(&screen, "Command1")->font()).inFontUcs4(U'\u3000'));
}

TEST_F(InfoScreens, HelpScreenIsDesignedAsTheForm) {
    HelpScreen& screen = registry->help();
    EXPECT_EQ(screen.windowTitle(), "ヘルプ");
    EXPECT_EQ(screen.size(), twipsRect(0, 0, 5184, 2448).size());
    const QString gothic = "ＭＳ Ｐゴシック";
    expectDesign(&screen, {
                              {"戻る", "ヘルプ画面", twipsRect(3900, 1920, 912, 432), "戻\u3000る", "", 0},
                              {"Label2", "ヘルプ画面", twipsRect(60, 1140, 4932, 432),
                               "http://kalvex.example.jp/manual/", gothic, 13.8},
                              {"Label1", "ヘルプ画面", twipsRect(120, 120, 4872, 912),
                               "簡単な操作マニュアルは下記ホームページに記載してあります。ごらんください。",
                               gothic, 12},
                          });
    QLabel* address = find<QLabel>(&screen, "Label2");
    expectReadable(find<QLabel>(&screen, "Label1"));
    expectReadable(address);
    // The address is plain text: nothing to follow or select.
    EXPECT_EQ(address->textFormat(), Qt::PlainText);
    EXPECT_FALSE(address->openExternalLinks());
    EXPECT_EQ(address->textInteractionFlags(), Qt::NoTextInteraction);
}

TEST_F(InfoScreens, VersionScreenShowsTheProgramIcon) {
    const auto* picture = find<QLabel>(&registry->version(), "Picture1");
    ASSERT_NE(picture, nullptr);
    const QPixmap icon = picture->pixmap();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size(), QSize(48, 48));
    // The box shows the whole icon inside its border, whatever a twip is.
    EXPECT_TRUE(picture->hasScaledContents());
    EXPECT_GT(picture->frameWidth(), 0);

    const QImage stored(":/icon/kalvex48.png");
    EXPECT_EQ(stored.format(), QImage::Format_Indexed8);
    EXPECT_LE(stored.colorCount(), 256);
    // The light grey background in the corner, a brown hamster in the middle.
    const QColor corner = stored.pixelColor(0, 0);
    EXPECT_EQ(corner.red(), corner.green());
    EXPECT_GT(corner.lightness(), 190);
    EXPECT_GT(stored.pixelColor(28, 9).red(), stored.pixelColor(28, 9).blue() + 40);
}

TEST_F(InfoScreens, ToolbarImagesAreCompiledIn) {
    for (int n = 1; n <= 9; ++n) {
        const QImage image(QString(":/toolbar/image%1.png").arg(n));
        EXPECT_FALSE(image.isNull()) << n;
        EXPECT_EQ(image.size(), QSize(32, 32)) << n;
    }
    EXPECT_TRUE(QImage(":/toolbar/image10.png").isNull());
}

TEST_F(InfoScreens, VersionScreenOpensModelessAtItsDesignedPlace) {
    ScreenRegistry::present(registry->setting());
    VersionScreen& screen = registry->version();
    ScreenRegistry::present(screen);
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(screen.windowModality(), Qt::NonModal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(screen.pos(), QPoint(twipsToPixels(5892), twipsToPixels(3036)));
    EXPECT_TRUE(screen.windowFlags() & Qt::WindowCloseButtonHint);
}

TEST_F(InfoScreens, OpeningTwiceLeavesOneWindow) {
    VersionScreen& version = registry->version();
    ScreenRegistry::present(version);
    ScreenRegistry::present(registry->version());
    EXPECT_EQ(&registry->version(), &version);
    EXPECT_EQ(visibleWindowsNamed("バージョン表示画面"), 1);

    HelpScreen& help = registry->help();
    ScreenRegistry::present(help);
    ScreenRegistry::present(registry->help());
    EXPECT_EQ(&registry->help(), &help);
    EXPECT_EQ(visibleWindowsNamed("ヘルプ画面"), 1);
}

TEST_F(InfoScreens, EachButtonClosesOnlyItsOwnScreen) {
    ScreenRegistry::present(registry->setting());
    ScreenRegistry::present(registry->help());
    ScreenRegistry::present(registry->version());

    QTest::mouseClick(find<QPushButton>(&registry->version(), "Command1"), Qt::LeftButton);
    settle();
    EXPECT_EQ(registry->versionIfOpen(), nullptr);
    ASSERT_NE(registry->helpIfOpen(), nullptr);
    EXPECT_TRUE(registry->helpIfOpen()->isVisible());
    EXPECT_TRUE(registry->setting().isVisible());

    ScreenRegistry::present(registry->version());
    QTest::mouseClick(find<QPushButton>(&registry->help(), QString::fromUtf8("戻る")), Qt::LeftButton);
    settle();
    EXPECT_EQ(registry->helpIfOpen(), nullptr);
    ASSERT_NE(registry->versionIfOpen(), nullptr);
    EXPECT_TRUE(registry->versionIfOpen()->isVisible());
    EXPECT_TRUE(registry->setting().isVisible());
    EXPECT_EQ(endRequests, 0);
}

TEST_F(InfoScreens, CloseBoxClosesAndTheScreenOpensAgain) {
    ScreenRegistry::present(registry->version());
    ScreenRegistry::present(registry->help());
    EXPECT_TRUE(registry->versionIfOpen()->close());
    EXPECT_TRUE(registry->helpIfOpen()->close());
    settle();
    EXPECT_EQ(registry->versionIfOpen(), nullptr);
    EXPECT_EQ(registry->helpIfOpen(), nullptr);

    // Opened again, each is a fresh window at its designed place.
    VersionScreen& version = registry->version();
    ScreenRegistry::present(version);
    EXPECT_TRUE(version.isVisible());
    EXPECT_EQ(version.pos(), QPoint(twipsToPixels(5892), twipsToPixels(3036)));
    ScreenRegistry::present(registry->help());
    EXPECT_TRUE(registry->help().isVisible());
}
