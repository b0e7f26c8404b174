#include "caption/ColourPicker.h"

#include "caption/Colorref.h"
#include "caption/ColourPalettePopup.h"

#include <QColorDialog>
#include <QKeyEvent>
#include <QPainter>

namespace mimora {

namespace {

constexpr int kSwatchInset = 5;

} // namespace

ColourPicker::ColourPicker(QWidget *parent) : QPushButton(parent)
{
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &ColourPicker::openPalette);
}

void ColourPicker::setColour(std::uint32_t colorref)
{
    m_colour = colorref & 0xFFFFFF;
    update();
}

QSize ColourPicker::sizeHint() const
{
    return {47, 28};
}

void ColourPicker::openPalette()
{
    // A closed pop-up lingers until its deferred deletion; only an open one blocks a new one.
    if (m_popup && m_popup->isVisible())
        return;
    m_popup = new ColourPalettePopup(m_colour, this);
    connect(m_popup, &ColourPalettePopup::colourPicked, this, &ColourPicker::choose);
    connect(m_popup, &ColourPalettePopup::otherColoursRequested, this,
            &ColourPicker::chooseOtherColour);
    m_popup->popUpBelow(this);
}

void ColourPicker::choose(std::uint32_t colorref)
{
    setColour(colorref);
    emit colourChosen();
}

void ColourPicker::chooseOtherColour()
{
    QColorDialog dialog(ColorrefToQColor(m_colour), window());
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() == QDialog::Accepted)
        choose(QColorToColorref(dialog.selectedColor()));
}

void ColourPicker::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    QPainter painter(this);
    QRect swatch = rect().adjusted(kSwatchInset, kSwatchInset, -kSwatchInset, -kSwatchInset);
    if (isDown())
        swatch.translate(1, 1); // follows the pressed look of the button face
    painter.fillRect(swatch, ColorrefToQColor(m_colour));
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
}

void ColourPicker::keyPressEvent(QKeyEvent *event)
{
    // Space clicks through QPushButton; Enter and Down open the palette too, as in a combo box.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
        openPalette();
        break;
    default:
        QPushButton::keyPressEvent(event);
    }
}

} // namespace mimora
