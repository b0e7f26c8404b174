#include "caption/Gbk.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace mimora {

namespace {

// Length of the UTF-8 sequence that starts with this byte; 1 for a stray byte, so
// skipping always makes progress.
int Utf8SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

// Runs iconv over all of input. At a sequence it cannot convert it writes replacement
// and skips what skipLength says, so one bad character never loses the rest of the text.
template <typename SkipLength>
QByteArray Convert(const char *to, const char *from, const QByteArray &input,
                   const QByteArray &replacement, SkipLength skipLength)
{
    QByteArray out;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return out;
    out.reserve(input.size() * 2 + 4);
    char *in = const_cast<char *>(input.constData());
    size_t inLeft = static_cast<size_t>(input.size());
    char buffer[256];
    while (inLeft > 0) {
        char *dst = buffer;
        size_t dstLeft = sizeof buffer;
        const size_t r = iconv(cd, &in, &inLeft, &dst, &dstLeft);
        out.append(buffer, dst - buffer);
        if (r != static_cast<size_t>(-1))
            continue;
        if (errno == E2BIG)
            continue;
        // EILSEQ or a sequence cut off at the end (EINVAL).
        out.append(replacement);
        const size_t skip =
            std::min(inLeft, static_cast<size_t>(skipLength(static_cast<unsigned char>(*in))));
        in += skip;
        inLeft -= skip;
    }
    iconv_close(cd);
    return out;
}

} // namespace

QByteArray ToGbk(const QString &text)
{
    return Convert("GBK", "UTF-8", text.toUtf8(), QByteArray("?"), Utf8SequenceLength);
}

QString FromGbk(const QByteArray &gbk)
{
    // A bad lead byte may still be followed by a good character, so skip one byte only.
    const QByteArray utf8 =
        Convert("UTF-8", "GBK", gbk, QByteArray("\xEF\xBF\xBD"), [](unsigned char) { return 1; });
    return QString::fromUtf8(utf8);
}

} // namespace mimora
