#pragma once

namespace mimora {

struct Controls;
struct FontSpec;
class CaptionLabel;
class EventRules;

/** Copies 编辑框1's whole content, line breaks included, into the caption. */
void SetCaptionText(const Controls &c);

/** The width slider moved: caption width and the mirror edit box follow. */
void ApplyCaptionWidth(const Controls &c, EventRules &rules);
void ApplyCaptionHeight(const Controls &c, EventRules &rules);

/** The mirror edit box changed: its number becomes the slider position, silently. */
void SyncWidthSlider(const Controls &c, EventRules &rules);
void SyncHeightSlider(const Controls &c, EventRules &rules);

/** Size = 100 − the font-size slider's position. */
void SetCaptionFontSize(const Controls &c);
void SetCaptionBold(const Controls &c);
void SetCaptionColour(const Controls &c);

/** Opens the font chooser; an accepted choice becomes chosenFont and the caption's whole font. */
void ChooseCaptionFont(const Controls &c, FontSpec &chosenFont);

/** Writes a whole FontSpec as the caption's font. */
void ApplyFontSpec(CaptionLabel *caption, const FontSpec &spec);

} // namespace mimora
