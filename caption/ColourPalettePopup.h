#pragma once

#include <QWidget>

#include <cstdint>

namespace mimora {

/**
 * The colour picker's pop-up: the 32 palette cells in rows of seven and, below them, the entry
 * "其它颜色...". It closes itself on any outcome; a choice is reported after it has closed.
 * Keyboard: arrows move the highlight, Enter or Space choose it, Esc cancels.
 */
class ColourPalettePopup : public QWidget
{
    Q_OBJECT
public:
    /** Index of the "其它颜色..." entry in highlight order, after the 32 cells. */
    static constexpr int kOtherEntry = 32;

    /** A pop-up (not yet shown) with current's cell highlighted, if current is in the palette. */
    explicit ColourPalettePopup(std::uint32_t current, QWidget *parent = nullptr);

    /** Shows the pop-up just below anchor, or above it when the screen ends below. */
    void popUpBelow(const QWidget *anchor);

    /** The highlighted cell (0..31), kOtherEntry, or -1 for none. */
    int highlighted() const { return m_highlighted; }

    /** Where cell index lies in the pop-up; kOtherEntry gives the entry's rectangle. */
    static QRect itemRect(int index);

    QSize sizeHint() const override;

signals:
    /** A cell was chosen; colorref is its colour. */
    void colourPicked(std::uint32_t colorref);
    /** "其它颜色..." was chosen. */
    void otherColoursRequested();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int itemAt(QPoint pos) const;
    void setHighlighted(int index);
    void activate(int index);
    int m_highlighted = -1;
};

} // namespace mimora
