#include "app/CanvasHandlers.h"

#include "app/Controls.h"
#include "app/ListBox.h"
#include "canvas/CanvasView.h"
#include "canvas/DimensionReadout.h"
#include "canvas/Zoom.h"
#include "canvas/decode/DroppedFile.h"
#include "canvas/decode/PictureDecoder.h"
#include "canvas/templates/TemplateCatalogue.h"

#include <QLabel>
#include <QPushButton>

namespace mimora {

void RefreshDimensionReadout(const Controls &c)
{
    c.widthReadout->setText(WidthReadout(c.canvas->width()));
    c.heightReadout->setText(HeightReadout(c.canvas->height()));
}

void ApplyTemplate(const Controls &c)
{
    const int selection = c.templateList->selection();
    const auto &catalogue = TemplateCatalogue();
    if (selection >= 0 && selection < static_cast<int>(catalogue.size())) {
        const TemplateEntry &entry = catalogue[selection];
        c.canvas->setPicture(TemplatePicture(selection));
        c.canvas->setWidth(entry.displayWidth);
        c.canvas->setHeight(entry.displayHeight);
        RefreshDimensionReadout(c);
    }
    c.copyButton->setText(QStringLiteral("复制图片"));
    c.saveButton->setText(QStringLiteral("保存到桌面"));
}

void ZoomCanvas(const Controls &c, double factor)
{
    c.canvas->setLeft(kCanvasHomeLeft);
    c.canvas->setTop(kCanvasHomeTop);
    c.canvas->setHeight(ZoomedSide(c.canvas->height(), factor));
    c.canvas->setWidth(ZoomedSide(c.canvas->width(), factor));
    RefreshDimensionReadout(c);
}

void LoadDroppedPhoto(const Controls &c, const QStringList &paths)
{
    for (const QString &path : paths) {
        // Read once: the same bytes are decoded for the size and kept by the canvas.
        const std::optional<QByteArray> data = ReadDroppedFile(path);
        if (!data)
            continue;
        std::optional<DecodedPicture> picture = DecodePicture(*data);
        if (!picture)
            continue;
        const QSize size = picture->size;
        c.canvas->setPicture(*data, std::move(picture));
        c.canvas->setWidth(size.width());
        c.canvas->setHeight(size.height());
        RefreshDimensionReadout(c);
        return;
    }
}

} // namespace mimora
