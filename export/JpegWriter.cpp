#include "export/JpegWriter.h"

#include "export/StripRows.h"

// libjpeg's headers need FILE and size_t declared first.
#include <cstddef>
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>

#include <cerrno>
#include <csetjmp>
#include <cstring>
#include <memory>
#include <unistd.h>
#include <vector>

namespace mimora {

namespace {

// Qt's 32-bit pixels in memory order, read by libjpeg directly: no conversion pass.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE kRgb32Layout = JCS_EXT_BGRX;
#else
constexpr J_COLOR_SPACE kRgb32Layout = JCS_EXT_XRGB;
#endif

struct ErrorManager
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void OnError(j_common_ptr cinfo)
{
    auto *err = reinterpret_cast<ErrorManager *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// Warnings change nothing in what we write; keep them off stderr.
void OnMessage(j_common_ptr, int) {}

struct FdDestination
{
    jpeg_destination_mgr pub;
    int fd = -1;
    int writeErrno = 0;
    JOCTET buffer[64 * 1024];
};

bool WriteAll(FdDestination *dest, size_t count)
{
    const JOCTET *data = dest->buffer;
    while (count > 0) {
        const ssize_t written = ::write(dest->fd, data, count);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            dest->writeErrno = errno;
            return false;
        }
        data += written;
        count -= size_t(written);
    }
    return true;
}

void InitDestination(j_compress_ptr cinfo)
{
    auto *dest = reinterpret_cast<FdDestination *>(cinfo->dest);
    dest->pub.next_output_byte = dest->buffer;
    dest->pub.free_in_buffer = sizeof dest->buffer;
}

boolean EmptyBuffer(j_compress_ptr cinfo)
{
    auto *dest = reinterpret_cast<FdDestination *>(cinfo->dest);
    // libjpeg asks for the whole buffer to be written, whatever free_in_buffer says.
    if (!WriteAll(dest, sizeof dest->buffer))
        ERREXIT(cinfo, JERR_FILE_WRITE);
    dest->pub.next_output_byte = dest->buffer;
    dest->pub.free_in_buffer = sizeof dest->buffer;
    return TRUE;
}

void TermDestination(j_compress_ptr cinfo)
{
    auto *dest = reinterpret_cast<FdDestination *>(cinfo->dest);
    if (!WriteAll(dest, sizeof dest->buffer - dest->pub.free_in_buffer))
        ERREXIT(cinfo, JERR_FILE_WRITE);
}

// Runs libjpeg calls and says whether they went through. Only plain data lives in this
// frame and in call's, so a longjmp out of libjpeg skips no destructor.
template <typename Call> bool Guarded(ErrorManager &err, Call &&call)
{
    if (setjmp(err.jump) != 0)
        return false;
    call();
    return true;
}

} // namespace

bool JpegWriter::write(StripSource &source, int fd)
{
    m_error.clear();
    const QSize size = source.size();
    if (size.isEmpty()) {
        m_error = QStringLiteral("empty picture");
        return false;
    }
    const int width = size.width();
    const int height = size.height();

    ErrorManager err{};
    jpeg_compress_struct cinfo{};
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = OnError;
    err.pub.emit_message = OnMessage;
    auto dest = std::make_unique<FdDestination>();
    dest->fd = fd;
    dest->pub.init_destination = InitDestination;
    dest->pub.empty_output_buffer = EmptyBuffer;
    dest->pub.term_destination = TermDestination;

    bool created = false;
    const auto fail = [&] {
        m_error = dest->writeErrno != 0 ? QString::fromLocal8Bit(std::strerror(dest->writeErrno))
                                        : QString::fromLocal8Bit(err.message);
        if (created)
            jpeg_destroy_compress(&cinfo);
        return false;
    };

    const bool started = Guarded(err, [&] {
        jpeg_create_compress(&cinfo);
        created = true;
        cinfo.dest = &dest->pub;
        cinfo.image_width = JDIMENSION(width);
        cinfo.image_height = JDIMENSION(height);
        cinfo.input_components = 4;
        cinfo.in_color_space = kRgb32Layout;
        jpeg_set_defaults(&cinfo);
        jpeg_set_quality(&cinfo, m_quality, TRUE);
        // Optimised Huffman tables would need the whole picture's coefficients held.
        cinfo.optimize_coding = FALSE;
        for (int c = 0; c < cinfo.num_components; ++c) {
            cinfo.comp_info[c].h_samp_factor = 1;
            cinfo.comp_info[c].v_samp_factor = 1;
        }
        jpeg_start_compress(&cinfo, TRUE);
    });
    if (!started)
        return fail();

    const int stripRows = StripRows(width);
    std::vector<JSAMPROW> rowPointers(size_t(std::min(stripRows, height)));
    for (int top = 0; top < height; top += stripRows) {
        const int rows = std::min(stripRows, height - top);
        QImage strip = source.renderStrip(top, rows);
        if (strip.format() != QImage::Format_RGB32)
            strip = strip.convertToFormat(QImage::Format_RGB32);
        if (strip.width() != width || strip.height() != rows) {
            std::snprintf(err.message, sizeof err.message, "strip of the wrong size");
            return fail();
        }
        for (int y = 0; y < rows; ++y)
            rowPointers[size_t(y)] = const_cast<JSAMPROW>(strip.constScanLine(y));
        const bool written = Guarded(err, [&] {
            JDIMENSION done = 0;
            while (done < JDIMENSION(rows))
                done += jpeg_write_scanlines(&cinfo, rowPointers.data() + done,
                                             JDIMENSION(rows) - done);
        });
        if (!written)
            return fail();
    }

    if (!Guarded(err, [&] { jpeg_finish_compress(&cinfo); }))
        return fail();
    jpeg_destroy_compress(&cinfo);
    return true;
}

} // namespace mimora
