#include "assets/jpeg_image.h"

#include <QByteArray>

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE and size_t first

#include <jpeglib.h>

namespace quintavo {
namespace {

// Our pictures are far smaller; this only stops a forged header from asking for gigabytes.
constexpr unsigned long long MaxPixels = 32ull * 1024 * 1024;

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void OnError(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

// Level -1 is a warning: libjpeg patched over damaged or missing data (a truncated file
// ends in grey). A patched picture is not the picture, so it fails like an error.
void OnMessage(j_common_ptr cinfo, int level) {
    if (level < 0) std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

// Every libjpeg call lives here, under setjmp. No local of this frame changes after the
// setjmp and none has a destructor; the picture lives in the caller's frame.
bool DecodeInto(jpeg_decompress_struct* cinfo, ErrorManager* err, const unsigned char* data,
                unsigned long size, QImage* out) {
    cinfo->err = jpeg_std_error(&err->pub);
    err->pub.error_exit = OnError;
    err->pub.emit_message = OnMessage;
    if (setjmp(err->jump)) {
        jpeg_destroy_decompress(cinfo);
        *out = QImage();
        return false;
    }
    jpeg_create_decompress(cinfo);
    jpeg_mem_src(cinfo, data, size);
    if (jpeg_read_header(cinfo, TRUE) != JPEG_HEADER_OK) std::longjmp(err->jump, 1);
    if (static_cast<unsigned long long>(cinfo->image_width) * cinfo->image_height > MaxPixels)
        std::longjmp(err->jump, 1);
    cinfo->out_color_space = JCS_RGB;
    jpeg_start_decompress(cinfo);
    if (cinfo->output_components != 3) std::longjmp(err->jump, 1);
    *out = QImage(static_cast<int>(cinfo->output_width), static_cast<int>(cinfo->output_height),
                  QImage::Format_RGB888);
    if (out->isNull()) std::longjmp(err->jump, 1);
    while (cinfo->output_scanline < cinfo->output_height) {
        JSAMPROW row = out->scanLine(static_cast<int>(cinfo->output_scanline));
        jpeg_read_scanlines(cinfo, &row, 1);
    }
    jpeg_finish_decompress(cinfo);
    jpeg_destroy_decompress(cinfo);
    return true;
}

} // namespace

QImage DecodeJpeg(const QByteArray& data) {
    if (data.isEmpty()) return {};
    jpeg_decompress_struct cinfo{};
    ErrorManager err{};
    QImage image;
    if (!DecodeInto(&cinfo, &err, reinterpret_cast<const unsigned char*>(data.constData()),
                    static_cast<unsigned long>(data.size()), &image))
        return {};
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace quintavo
