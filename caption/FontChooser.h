#pragma once

#include <QFont>
#include <QObject>
#include <QString>

#include <cstdint>

class QWidget;

namespace mimora {

/**
 * The hidden font chooser: it has no window until open() shows the font dialog, and its
 * properties hold the last accepted choice (at first all off, empty and 0).
 */
class FontChooser : public QObject
{
    Q_OBJECT
public:
    explicit FontChooser(QObject *parent = nullptr);

    /** COLORREF the dialog starts with and hands back; QFontDialog has no colour box, so
     * an accepted choice keeps it. */
    std::uint32_t colour() const { return m_colour; }
    void setColour(std::uint32_t colorref) { m_colour = colorref; }
    bool bold() const { return m_bold; }
    void setBold(bool on) { m_bold = on; }
    bool italic() const { return m_italic; }
    void setItalic(bool on) { m_italic = on; }
    bool strikeout() const { return m_strikeout; }
    void setStrikeout(bool on) { m_strikeout = on; }
    bool underline() const { return m_underline; }
    void setUnderline(bool on) { m_underline = on; }
    QString faceName() const { return m_faceName; }
    void setFaceName(const QString &face) { m_faceName = face; }
    /** Points; 0 means no size preset. Never negative: a negative write stores 0. */
    std::int32_t size() const { return m_size; }
    void setSize(std::int32_t points) { m_size = points < 0 ? 0 : points; }

    /**
     * Shows the modal font dialog (a QFontDialog, application-modal over parent), initialised
     * from these properties, not from any control's font. On accept the properties take the
     * chosen font (bold when its weight is 700 or more, size read back through the pixel
     * height at dpiY, rounded) and true is returned; on cancel nothing changes and false is
     * returned.
     */
    bool open(QWidget *parent, int dpiY);

    /**
     * The font the dialog starts with: the stored font built from the properties that are
     * set (face when not empty, height when size is not 0, the four styles), on screen, with
     * its height given in points at dpiY.
     */
    QFont initialFont(int dpiY) const;

    /** Takes an accepted font into the properties, as open() does on accept. */
    void takeChosenFont(const QFont &chosen, int dpiY);

private:
    std::uint32_t m_colour = 0;
    bool m_bold = false;
    bool m_italic = false;
    bool m_strikeout = false;
    bool m_underline = false;
    QString m_faceName;
    std::int32_t m_size = 0;
};

} // namespace mimora
