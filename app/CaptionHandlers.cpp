#include "app/CaptionHandlers.h"

#include "app/Controls.h"
#include "app/EditBoxes.h"
#include "app/EventRules.h"
#include "app/TrackBar.h"
#include "caption/CaptionLabel.h"
#include "caption/ColourPicker.h"
#include "caption/FontChooser.h"
#include "caption/FontSpec.h"
#include "caption/LogFont.h"
#include "caption/TextToNumber.h"

#include <QCheckBox>

namespace mimora {

namespace {

// Points and pixels convert at the screen's logical resolution, as the caption sees it.
int ScreenDpiY(const CaptionLabel *caption)
{
    return caption->logicalDpiY();
}

void SetFontField(CaptionLabel *caption, FontField field, std::int32_t value)
{
    caption->setLogFont(LogFontWithField(caption->logFont(), field, value, ScreenDpiY(caption)));
}

} // namespace

void ApplyFontSpec(CaptionLabel *caption, const FontSpec &spec)
{
    caption->setLogFont(LogFontFromSpec(spec, ScreenDpiY(caption)));
}

void SetCaptionText(const Controls &c)
{
    c.caption->setText(c.captionEdit->content());
}

void ApplyCaptionWidth(const Controls &c, EventRules &rules)
{
    const int p = c.widthSlider->position();
    c.caption->setWidth(p);
    rules.writeContent(c.widthEdit, QString::number(p));
}

void ApplyCaptionHeight(const Controls &c, EventRules &rules)
{
    const int p = c.heightSlider->position();
    c.caption->setHeight(p);
    rules.writeContent(c.heightEdit, QString::number(p));
}

void SyncWidthSlider(const Controls &c, EventRules &rules)
{
    rules.writePosition(c.widthSlider, SliderPositionFromText(c.widthEdit->content()));
}

void SyncHeightSlider(const Controls &c, EventRules &rules)
{
    rules.writePosition(c.heightSlider, SliderPositionFromText(c.heightEdit->content()));
}

void SetCaptionFontSize(const Controls &c)
{
    SetFontField(c.caption, FontField::Size, 100 - c.fontSizeSlider->position());
}

void SetCaptionBold(const Controls &c)
{
    if (c.boldBox->isChecked())
        SetFontField(c.caption, FontField::Bold, 1);
    if (!c.boldBox->isChecked())
        SetFontField(c.caption, FontField::Bold, 0);
}

void SetCaptionColour(const Controls &c)
{
    c.caption->setColour(c.colourPicker->colour());
}

void ChooseCaptionFont(const Controls &c, FontSpec &chosenFont)
{
    FontChooser *chooser = c.fontChooser;
    // A cancelled chooser leaves the caption's font as it was.
    if (!chooser->open(c.window, ScreenDpiY(c.caption)))
        return;
    chosenFont.size = chooser->size();
    chosenFont.bold = chooser->bold();
    chosenFont.italic = chooser->italic();
    chosenFont.underline = chooser->underline();
    chosenFont.strikeout = chooser->strikeout();
    chosenFont.faceName =
        chooser->faceName().isEmpty() ? std::nullopt : std::optional<QString>(chooser->faceName());
    ApplyFontSpec(c.caption, chosenFont);
}

} // namespace mimora
