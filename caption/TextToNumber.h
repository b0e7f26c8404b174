#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace mimora {

/**
 * Reads a decimal number from the start of a text, the way the edit boxes' numbers are read.
 * Full-width digits, signs, point and letters count as their ASCII forms and the ideographic
 * space as a space; leading white space is skipped; then an optional sign, digits with one
 * optional point, and an optional exponent whose letter is d, D, e or E (d means e). No
 * hexadecimal, no words for infinity or NaN. Gives 0 when no digit is found.
 */
double TextToNumber(const QString &text);

/** The same rule on text already in GBK bytes, which may end in a lone lead byte. */
double TextToNumberGbk(const QByteArray &gbk);

/**
 * The slider position an edit box's text asks for: the number truncated toward zero to a
 * 64-bit integer, of which the low 32 bits are taken as a signed value, so numbers too large
 * for 32 bits wrap (3000000000 gives -1294967296).
 */
std::int32_t SliderPositionFromText(const QString &text);

/** The truncation and wrap of SliderPositionFromText on a number already read. */
std::int32_t SliderPositionFromNumber(double number);

} // namespace mimora
