#include "caption/TextToNumber.h"

#include "caption/Gbk.h"

#include <clocale>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>

namespace mimora {

namespace {

// Full-width forms become ASCII; every other two-byte character is kept whole, so its
// second byte is never mistaken for a digit or a sign.
std::string FoldFullWidth(const QByteArray &gbk)
{
    std::string out;
    out.reserve(static_cast<size_t>(gbk.size()));
    const auto *p = reinterpret_cast<const unsigned char *>(gbk.constData());
    const qsizetype n = gbk.size();
    for (qsizetype i = 0; i < n; ++i) {
        const unsigned char lead = p[i];
        if (lead < 0x80) {
            out.push_back(static_cast<char>(lead));
            continue;
        }
        if (i + 1 == n)
            break; // a lead byte without its second byte is dropped
        const unsigned char trail = p[++i];
        if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
            out.push_back(static_cast<char>(trail - 0x80));
        } else if (lead == 0xA1 && trail == 0xA1) {
            out.push_back(' ');
        } else if (lead == 0xA1 && trail == 0xAB) {
            out.push_back('~');
        } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
            out.push_back('*');
        } else {
            out.push_back(static_cast<char>(lead));
            out.push_back(static_cast<char>(trail));
        }
    }
    return out;
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The longest number at the start of s (after white space) in the plain form
// "[-+]digits[.digits][e[-+]digits]", or empty when it holds no digit.
std::string NumberPrefix(const std::string &s)
{
    size_t i = 0;
    while (i < s.size() && IsSpace(s[i]))
        ++i;
    std::string out;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        out.push_back(s[i++]);
    bool anyDigit = false;
    while (i < s.size() && IsDigit(s[i])) {
        out.push_back(s[i++]);
        anyDigit = true;
    }
    if (i < s.size() && s[i] == '.') {
        out.push_back(s[i++]);
        while (i < s.size() && IsDigit(s[i])) {
            out.push_back(s[i++]);
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return {};
    // An exponent counts only when it has a digit: "1e" and "1e+" read as 1.
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && IsDigit(s[j])) {
            out.push_back('e');
            out.append(s, i + 1, j - i - 1);
            while (j < s.size() && IsDigit(s[j]))
                out.push_back(s[j++]);
        }
    }
    return out;
}

} // namespace

double TextToNumberGbk(const QByteArray &gbk)
{
    const std::string number = NumberPrefix(FoldFullWidth(gbk));
    if (number.empty())
        return 0.0;
    // The prefix is plain decimal by now, so strtod cannot meet hex or infinity words; the
    // C locale keeps "." the point whatever the user's locale, and glibc rounds correctly,
    // giving infinity on overflow and zero on underflow.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return strtod_l(number.c_str(), nullptr, cLocale);
}

double TextToNumber(const QString &text)
{
    return TextToNumberGbk(ToGbk(text));
}

std::int32_t SliderPositionFromNumber(double number)
{
    // A NaN or a number outside the 64-bit range gives the 64-bit minimum, which is what the
    // x86 conversion the toolkit compiled to gives (the "integer indefinite"); its low 32
    // bits are 0. Casting such a double directly would be undefined behaviour.
    constexpr double kTwoTo63 = 9223372036854775808.0;
    std::int64_t whole = std::numeric_limits<std::int64_t>::min();
    if (number >= -kTwoTo63 && number < kTwoTo63)
        whole = static_cast<std::int64_t>(number); // truncates toward zero
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(whole));
}

std::int32_t SliderPositionFromText(const QString &text)
{
    return SliderPositionFromNumber(TextToNumber(text));
}

} // namespace mimora
