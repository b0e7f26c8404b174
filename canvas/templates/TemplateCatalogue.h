#pragma once

#include <QByteArray>
#include <QString>

#include <array>

namespace mimora {

/** One built-in template: its place in the list, its text there, its picture and canvas size. */
struct TemplateEntry
{
    int index;           // 0 … 37, also the row in the template list
    QString listText;    // shown in the template list
    QString picturePath; // the embedded JPEG, as a Qt resource path
    int displayWidth;    // canvas size the entry sets; may differ from the picture's own size
    int displayHeight;
};

/** The 38 templates in list order; constant for the life of the program. */
const std::array<TemplateEntry, 38> &TemplateCatalogue();

/**
 * The complete JPEG file of entry @p index, compiled into the program.
 * Returns an empty array for an index outside 0 … 37.
 */
QByteArray TemplatePicture(int index);

} // namespace mimora
