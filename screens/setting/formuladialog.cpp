// SPDX-License-Identifier: GPL-3.0-or-later
#include "formuladialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "language.h"
#include "look.h"
#include "termtext.h"

namespace {

constexpr int lineWidth = 480;
constexpr int visibleTerms = 6;
const QColor faultColour(200, 0, 0);

}  // namespace

void FormulaLine::setMark(int index) {
    if (mark == index) return;
    mark = index;
    update();
}

// The line edit tells only where its cursor is; the mark is placed by the
// text's width from there, so it follows the line when it scrolls.
QRect FormulaLine::markRect() const {
    const QString line = text();
    if (mark < 0 || mark > line.size()) return {};
    const QFontMetricsF metrics(font());
    const qreal origin = cursorRect().center().x() - metrics.horizontalAdvance(line.left(cursorPosition()));
    const qreal left = origin + metrics.horizontalAdvance(line.left(mark));
    // At the end of the line the mark stands where the next character would.
    const qreal width = std::max<qreal>(6, mark < line.size() ? metrics.horizontalAdvance(line.mid(mark, 1))
                                                              : metrics.horizontalAdvance(QLatin1Char(' ')));
    return QRectF(left, height() - 5, width, 2).toAlignedRect();
}

void FormulaLine::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    const QRect where = markRect();
    if (where.isEmpty()) return;
    QPainter painter(this);
    painter.fillRect(where, faultColour);
}

FormulaDialog::FormulaDialog(const QString& text, QWidget* parent) : QDialog(parent) {
    setObjectName("式を入力");
    setWindowTitle(tr("式を入力"));
    auto* grid = new QGridLayout(this);
    auto* prefix = new QLabel("F(x) =", this);
    prefix->setFont(designFont(msPGothic, 12));
    式の行 = new FormulaLine(text, this);
    式の行->setObjectName("式の行");
    式の行->setFont(designFont(msPGothic, 12));
    式の行->setMinimumWidth(lineWidth);
    式の行->setAccessibleName(tr("式"));
    prefix->setBuddy(式の行);
    読み取り = new QLabel(this);
    読み取り->setObjectName("読み取り");
    読み取り->setWordWrap(true);
    // A long fault wraps under the line instead of widening the dialog.
    読み取り->setMaximumWidth(lineWidth);
    項の一覧 = new QListWidget(this);
    項の一覧->setObjectName("項の一覧");
    項の一覧->setFont(designFont(msPGothic, 12));
    項の一覧->setSelectionMode(QAbstractItemView::NoSelection);
    項の一覧->setFocusPolicy(Qt::NoFocus);
    項の一覧->setAccessibleName(tr("読み取った項"));
    // Room for a few terms before the list scrolls; it is empty until the line reads.
    const int row = QFontMetrics(項の一覧->font()).height() + 2;
    項の一覧->setFixedHeight(row * visibleTerms + 2 * 項の一覧->frameWidth());
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    grid->addWidget(prefix, 0, 0);
    grid->addWidget(式の行, 0, 1);
    grid->addWidget(読み取り, 1, 1);
    grid->addWidget(項の一覧, 2, 1);
    grid->addWidget(buttons, 3, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    fitScreen();
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(式の行, &QLineEdit::textChanged, this, &FormulaDialog::reread);
    reread();
}

// On a screen narrower than the designed line, the line gives way, so OK
// and キャンセル stay on it.
void FormulaDialog::fitScreen() {
    const QScreen* shown = screen();
    if (!shown) return;
    const QMargins margins = layout()->contentsMargins();
    const int room = shown->availableGeometry().width() - margins.left() - margins.right() -
                     2 * layout()->spacing() - 80;  // the prefix and the window's frame
    const int width = std::max(120, std::min(lineWidth, room));
    式の行->setMinimumWidth(width);
    読み取り->setMaximumWidth(width);
}

void FormulaDialog::reread() {
    const QString line = 式の行->text();
    const QByteArray bytes = line.toUtf8();
    reading = readFormula(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    項の一覧->clear();
    QPalette palette = 読み取り->palette();
    if (reading) {
        for (std::size_t i = 0; i < reading.terms.size(); ++i) {
            const Term& t = reading.terms[i].term;
            const std::string text = termText(static_cast<int>(t.shape), i == 0, t.typed);
            項の一覧->addItem(QString::fromStdString(listEntry(text)));
        }
        読み取り->setText(tr("項の数: %1").arg(reading.terms.size()));
        読み取り->setToolTip({});
        palette.setColor(QPalette::WindowText, this->palette().color(QPalette::WindowText));
        式の行->setMark(-1);
    } else {
        const FormulaError& fault = reading.error;
        // Where, as the command line says it, since the mark may be scrolled out of view.
        const std::string_view typed(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        読み取り->setText(QString::fromStdString(formulaErrorText(typed, fault, translatedMessageUtf8)));
        読み取り->setToolTip(読み取り->text());
        palette.setColor(QPalette::WindowText, faultColour);
        const auto before = static_cast<qsizetype>(std::min<std::size_t>(fault.position, bytes.size()));
        式の行->setMark(static_cast<int>(QString::fromUtf8(bytes.constData(), before).size()));
    }
    読み取り->setPalette(palette);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(static_cast<bool>(reading));
}
