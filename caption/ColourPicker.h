#pragma once

#include "caption/ColourPalettePopup.h"

#include <QPointer>
#include <QPushButton>

#include <cstdint>

namespace mimora {

/**
 * A button that shows its colour and lets the user pick another from a palette pop-up or,
 * through "其它颜色...", from the colour dialog. There is no "no colour" choice.
 */
class ColourPicker : public QPushButton
{
    Q_OBJECT
public:
    explicit ColourPicker(QWidget *parent = nullptr);

    /** The colour as a COLORREF, 0x00BBGGRR. */
    std::uint32_t colour() const { return m_colour; }
    /** Sets the colour from code; raises nothing. */
    void setColour(std::uint32_t colorref);

    /** Opens the palette below the button, as a click does. */
    void openPalette();
    /** The open pop-up, or nullptr. */
    ColourPalettePopup *palettePopup() const
    {
        return m_popup && m_popup->isVisible() ? m_popup.data() : nullptr;
    }

    QSize sizeHint() const override;

signals:
    /**
     * The user ended a selection with a colour, possibly the one already held; colour()
     * already returns it. A cancelled selection raises nothing.
     */
    void colourChosen();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void choose(std::uint32_t colorref);
    void chooseOtherColour();

    std::uint32_t m_colour = 0;
    QPointer<ColourPalettePopup> m_popup;
};

} // namespace mimora
