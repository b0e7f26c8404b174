#pragma once

// The bare library calls that Mimora's figures are measured against.

#include <QByteArray>
#include <QImage>

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <vector>

struct BareError
{
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

/** What an application calling libjpeg-turbo directly does: memory source, RGB scanlines. */
inline bool BareJpegDecode(const QByteArray &data, std::vector<JSAMPLE> &pixels)
{
    jpeg_decompress_struct info;
    BareError error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = [](j_common_ptr common) {
        std::longjmp(reinterpret_cast<BareError *>(common->err)->jump, 1);
    };
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    jpeg_start_decompress(&info);
    const size_t stride = size_t(info.output_width) * info.output_components;
    pixels.resize(stride * info.output_height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels.data() + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

/** Encodes an RGB32 image as the save does (quality 95, 4:4:4) into a new file. */
inline bool BareJpegEncode(const QImage &image, const char *path)
{
    FILE *file = std::fopen(path, "wb");
    if (!file)
        return false;
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = 4;
    info.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    for (int c = 0; c < info.num_components; ++c)
        info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<uchar *>(image.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}
