#pragma once

#include "canvas/ClampedWidget.h"
#include "caption/LogFont.h"

#include <cstdint>

namespace mimora {

/**
 * The caption: a box that paints only its text, so whatever lies beneath shows
 * through. The text is broken into lines at the box width (line breaks start new
 * lines), each line centred, the first at the top, cut at the box edges.
 */
class CaptionLabel : public ClampedWidget
{
    Q_OBJECT
public:
    explicit CaptionLabel(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);

    const LogFont &logFont() const { return m_logFont; }
    void setLogFont(const LogFont &font);

    /** Text colour as 0x00BBGGRR. */
    std::uint32_t colour() const { return m_colour; }
    void setColour(std::uint32_t colorref);

signals:
    /** The left button went down on the caption, at x, y inside it. */
    void leftPressed(int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QString m_text;
    LogFont m_logFont;
    QFont m_screenFont;
    std::uint32_t m_colour = 0;
};

} // namespace mimora
