#include "caption/ColourPalettePopup.h"

#include "caption/Colorref.h"
#include "caption/ColourPalette.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

#include <algorithm>

namespace mimora {

namespace {

constexpr int kCell = 18;
constexpr int kGap = 4; // room between cells for the highlight ring
constexpr int kMargin = 6;
constexpr int kCellCount = static_cast<int>(kColourPalette.size());
constexpr int kRows = (kCellCount + kPaletteColumns - 1) / kPaletteColumns;
constexpr int kGridWidth = kPaletteColumns * kCell + (kPaletteColumns - 1) * kGap;
constexpr int kGridHeight = kRows * kCell + (kRows - 1) * kGap;
constexpr int kEntryHeight = 22;
constexpr int kEntryTop = kMargin + kGridHeight + 2 * kGap + 1; // below a separator line

const char *const kOtherEntryText = "其它颜色...";

} // namespace

ColourPalettePopup::ColourPalettePopup(std::uint32_t current, QWidget *parent)
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    for (int i = 0; i < kCellCount; ++i) {
        if (kColourPalette[i].colorref == (current & 0xFFFFFF)) {
            m_highlighted = i;
            break;
        }
    }
    resize(sizeHint());
}

QSize ColourPalettePopup::sizeHint() const
{
    return {kGridWidth + 2 * kMargin, kEntryTop + kEntryHeight + kMargin};
}

QRect ColourPalettePopup::itemRect(int index)
{
    if (index == kOtherEntry)
        return {kMargin, kEntryTop, kGridWidth, kEntryHeight};
    if (index < 0 || index >= kCellCount)
        return {};
    const int row = index / kPaletteColumns;
    const int column = index % kPaletteColumns;
    return {kMargin + column * (kCell + kGap), kMargin + row * (kCell + kGap), kCell, kCell};
}

void ColourPalettePopup::popUpBelow(const QWidget *anchor)
{
    QPoint place = anchor->mapToGlobal(QPoint(0, anchor->height()));
    if (const QScreen *screen = anchor->screen()) {
        const QRect available = screen->availableGeometry();
        if (place.y() + height() > available.bottom())
            place.setY(anchor->mapToGlobal(QPoint(0, 0)).y() - height());
        place.setX(std::clamp(place.x(), available.left(),
                              std::max(available.left(), available.right() - width())));
    }
    move(place);
    show();
    setFocus(Qt::PopupFocusReason);
}

int ColourPalettePopup::itemAt(QPoint pos) const
{
    for (int i = 0; i <= kOtherEntry; ++i) {
        if (itemRect(i).contains(pos))
            return i;
    }
    return -1;
}

void ColourPalettePopup::setHighlighted(int index)
{
    if (index == m_highlighted)
        return;
    m_highlighted = index;
    update();
}

void ColourPalettePopup::activate(int index)
{
    if (index < 0)
        return;
    // Closed first, so whatever the choice opens (a dialog) does not sit under a pop-up.
    close();
    if (index == kOtherEntry)
        emit otherColoursRequested();
    else
        emit colourPicked(kColourPalette[index].colorref);
}

bool ColourPalettePopup::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const int index = itemAt(help->pos());
        if (index >= 0 && index < kCellCount) {
            QToolTip::showText(help->globalPos(), QString::fromUtf8(kColourPalette[index].name),
                               this, itemRect(index));
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QWidget::event(event);
}

void ColourPalettePopup::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &pal = palette();
    painter.fillRect(rect(), pal.color(QPalette::Window));
    painter.setPen(pal.color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    for (int i = 0; i < kCellCount; ++i) {
        const QRect cell = itemRect(i);
        painter.fillRect(cell, ColorrefToQColor(kColourPalette[i].colorref));
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
    }
    if (m_highlighted >= 0 && m_highlighted < kCellCount) {
        // A ring in the gap around the cell, so the cell's own colour stays whole.
        painter.setPen(QPen(pal.color(QPalette::Highlight), 2));
        painter.drawRect(QRectF(itemRect(m_highlighted)).adjusted(-2, -2, 2, 2));
    }

    const int separatorY = kEntryTop - kGap;
    painter.setPen(pal.color(QPalette::Mid));
    painter.drawLine(kMargin, separatorY, kMargin + kGridWidth - 1, separatorY);

    const QRect entry = itemRect(kOtherEntry);
    if (m_highlighted == kOtherEntry) {
        painter.fillRect(entry, pal.color(QPalette::Highlight));
        painter.setPen(pal.color(QPalette::HighlightedText));
    } else {
        painter.setPen(pal.color(QPalette::WindowText));
    }
    painter.drawText(entry, Qt::AlignCenter, QString::fromUtf8(kOtherEntryText));
}

void ColourPalettePopup::mouseMoveEvent(QMouseEvent *event)
{
    const int index = itemAt(event->position().toPoint());
    if (index >= 0)
        setHighlighted(index);
}

void ColourPalettePopup::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (rect().contains(pos)) {
        const int index = itemAt(pos);
        if (index >= 0)
            setHighlighted(index);
        return;
    }
    // A press on the button that opened us only closes the pop-up; it must not reach the
    // button again and open a new one.
    if (const QWidget *anchor = parentWidget()) {
        const QPoint onAnchor = anchor->mapFromGlobal(event->globalPosition().toPoint());
        setAttribute(Qt::WA_NoMouseReplay, anchor->rect().contains(onAnchor));
    }
    QWidget::mousePressEvent(event); // closes a pop-up pressed outside, choosing nothing
}

void ColourPalettePopup::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int index = itemAt(event->position().toPoint());
    if (index >= 0)
        activate(index);
}

void ColourPalettePopup::keyPressEvent(QKeyEvent *event)
{
    const int h = m_highlighted;
    const int lastRowStart = (kCellCount - 1) / kPaletteColumns * kPaletteColumns;
    switch (event->key()) {
    case Qt::Key_Left:
        setHighlighted(h <= 0 ? 0 : h - 1);
        break;
    case Qt::Key_Right:
        setHighlighted(h < 0 ? 0 : std::min(h + 1, static_cast<int>(kOtherEntry)));
        break;
    case Qt::Key_Up:
        if (h < 0)
            setHighlighted(0);
        else if (h == kOtherEntry)
            setHighlighted(lastRowStart);
        else if (h >= kPaletteColumns)
            setHighlighted(h - kPaletteColumns);
        break;
    case Qt::Key_Down:
        if (h < 0)
            setHighlighted(0);
        else if (h != kOtherEntry)
            setHighlighted(h + kPaletteColumns < kCellCount ? h + kPaletteColumns : kOtherEntry);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        activate(h);
        break;
    case Qt::Key_Escape:
        close();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace mimora
