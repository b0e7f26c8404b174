#pragma once

namespace mimora {

struct Controls;

/** 按钮1: the canvas as shown goes onto the clipboard; the button says whether it did. */
void CopyPicture(const Controls &c);

/** 按钮3: the canvas as shown is saved as a JPEG on the desktop; the button says whether it was. */
void SavePicture(const Controls &c);

} // namespace mimora
