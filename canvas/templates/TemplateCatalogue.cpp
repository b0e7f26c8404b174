#include "TemplateCatalogue.h"

#include <QResource>

namespace mimora {

const std::array<TemplateEntry, 38> &TemplateCatalogue()
{
    static const std::array<TemplateEntry, 38> entries = [] {
        struct Row
        {
            const char *listText;
            int width;
            int height;
        };
        // Display sizes. Four differ from the stored picture on purpose: 15 and 16 are shown a
        // pixel off their own size, 25 and 26 swap sizes with each other.
        static constexpr Row rows[38] = {
            {"短发1", 234, 234},    {"短发2", 218, 218},   {"熊猫1", 160, 155},
            {"熊猫2", 164, 156},    {"熊猫3", 208, 207},   {"熊猫4", 156, 172},
            {"熊猫5", 160, 131},    {"熊猫6", 133, 139},   {"斯巴达1", 154, 172},
            {"懵逼狗", 264, 237},   {"Tarvik", 287, 213},  {"Olmesh", 347, 231},
            {"黑人问号", 225, 225}, {"马杀鸡", 198, 197},  {"小屁孩", 198, 198},
            {"蠢猫1", 265, 265},    {"蠢猫2", 265, 265},   {"蘑菇头1", 290, 265},
            {"蘑菇头2", 206, 206},  {"蘑菇头3", 208, 210}, {"蘑菇头4", 220, 220},
            {"蘑菇头5", 220, 220},  {"女生1", 220, 220},   {"女生2", 220, 220},
            {"挑衅", 198, 198},     {"蘑菇头6", 258, 253}, {"蘑菇头7", 171, 163},
            {"熊猫头1", 400, 400},  {"熊猫头2", 182, 198}, {"女生3", 300, 300},
            {"蘑菇头8", 186, 198},  {"蘑菇头9", 198, 175}, {"理直气壮", 198, 193},
            {"蘑菇头10", 125, 174}, {"打脸", 205, 177},    {"蘑菇头11", 300, 300},
            {"熊猫头3", 300, 300},  {"茫然", 198, 187},
        };
        std::array<TemplateEntry, 38> built;
        for (int i = 0; i < 38; ++i) {
            built[i] = {i, QString::fromUtf8(rows[i].listText),
                        QStringLiteral(":/templates/template-%1.jpg").arg(i, 2, 10, QChar('0')),
                        rows[i].width, rows[i].height};
        }
        return built;
    }();
    return entries;
}

QByteArray TemplatePicture(int index)
{
    if (index < 0 || index >= int(TemplateCatalogue().size()))
        return {};
    // The pictures are stored uncompressed, so this wraps the program's own bytes without a copy.
    return QResource(TemplateCatalogue()[index].picturePath).uncompressedData();
}

} // namespace mimora
