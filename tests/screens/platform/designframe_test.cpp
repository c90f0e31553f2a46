// SPDX-License-Identifier: GPL-3.0-or-later
// Every frame of every form drawn as designed: the caption on the border
// line and inside the frame, each control inside its frame's border and
// clear of the caption, and no control cut off by its own designed size.
#include "designframe.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "analysisscreen.h"
#include "calculationscreen.h"
#include "fixture.h"
#include "helpscreen.h"
#include "versionscreen.h"
#include "settingscreen.h"
#include "ticksscreen.h"

namespace {

class FrameLook : public ScreenTest {
protected:
    std::vector<QWidget*> forms() {
        return {&registry->setting(),     &registry->analysis(), &registry->ticks(),
                &registry->calculation(), &registry->version(),  &registry->help()};
    }

    // Where a control may lie: inside the etched line and its highlight.
    static QRect inside(const DesignFrame& frame) {
        const QRect line = frame.borderRect();
        return QRect(QPoint(line.left() + 2, line.top() + 2), QPoint(line.right(), line.bottom()));
    }

    static std::string name(const QWidget* w) {
        return w->objectName().toStdString() + " in " + w->window()->objectName().toStdString();
    }
};

}  // namespace

TEST_F(FrameLook, EveryFrameIsDrawnAsDesigned) {
    int frames = 0;
    for (QWidget* form : forms()) {
        for (QGroupBox* box : form->findChildren<QGroupBox*>()) {
            EXPECT_NE(qobject_cast<DesignFrame*>(box), nullptr) << name(box);
            ++frames;
        }
    }
    // setting 15, analysis 5, ticks 7, calculation 3, version 1, help none.
    EXPECT_EQ(frames, 31);
}

TEST_F(FrameLook, ControlsLieInsideTheirFramesAndCaptionsFit) {
    for (QWidget* form : forms()) {
        for (DesignFrame* frame : form->findChildren<DesignFrame*>()) {
            const QRect room = inside(*frame);
            const QRect caption = frame->captionRect();
            if (!caption.isEmpty()) {
                EXPECT_LE(caption.right(), room.right()) << "caption of " << name(frame);
            }
            for (QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                EXPECT_TRUE(room.contains(child->geometry()))
                    << name(child) << " crosses the line of " << frame->objectName().toStdString();
                EXPECT_FALSE(caption.intersects(child->geometry()))
                    << name(child) << " covers the caption of " << frame->objectName().toStdString();
            }
        }
    }
}

// The range boxes that sat across their frames' lines under the stock look.
TEST_F(FrameLook, RangeBoxesSitBelowTheirCaptions) {
    AnalysisScreen& analysis = registry->analysis();
    for (int i = 0; i < 2; ++i) {
        auto* frame = find<DesignFrame>(&analysis, QString::fromUtf8("Frame2(%1)").arg(i));
        QLineEdit* box = find<QLineEdit>(&analysis, QString::fromUtf8("変域(%1)").arg(i));
        ASSERT_NE(frame, nullptr);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->parentWidget(), frame);
        EXPECT_GT(box->y(), frame->captionRect().bottom());
        EXPECT_LT(box->geometry().bottom(), frame->borderRect().bottom());
    }
}

TEST_F(FrameLook, OptionButtonsAreTallEnoughForTheirMarkAndCaption) {
    for (QWidget* form : forms()) {
        for (QRadioButton* option : form->findChildren<QRadioButton*>()) {
            const int mark =
                option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, option);
            EXPECT_GE(option->height(), mark) << name(option);
            EXPECT_GE(option->height(), option->fontMetrics().height()) << name(option);
            QStyleOptionButton look;
            look.initFrom(option);
            look.text = option->text();
            const QRect text = option->style()->subElementRect(QStyle::SE_RadioButtonContents, &look, option);
            EXPECT_GE(text.width(), option->fontMetrics().horizontalAdvance(option->text())) << name(option);
        }
    }
}
