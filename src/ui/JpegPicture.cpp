#include "ui/JpegPicture.h"
#include "ui/Picture.h"
#ifdef AUTORUN_HAVE_LIBJPEG
#include <csetjmp>
#include <cstdio>  // the library's header needs it first
#include <jpeglib.h>
#endif

namespace ui {

#if defined(AUTORUN_HAVE_LIBJPEG) && defined(JCS_EXTENSIONS)
namespace {

// The library reports a fatal error by calling error_exit, which must not
// return: it jumps back to the step under way with the library's message.
struct Errors {
    jpeg_error_mgr library;
    std::jmp_buf step;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void leaveStep(j_common_ptr info) {
    auto* errors = reinterpret_cast<Errors*>(info->err);
    info->err->format_message(info, errors->message);
    std::longjmp(errors->step, 1);
}

// Warnings about damaged data are not errors: what can be decoded is shown,
// the rest grey, as Qt's reader does.
void ignoreMessage(j_common_ptr) {}

// Each step sets its own return point and holds nothing with a destructor, so
// that a jump out of the library skips nothing.
bool create(jpeg_decompress_struct& info, Errors& errors) {
    if (setjmp(errors.step)) return false;
    jpeg_create_decompress(&info);
    return true;
}

bool readHeader(jpeg_decompress_struct& info, Errors& errors, const QByteArray& bytes) {
    if (setjmp(errors.step)) return false;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    return true;
}

bool readPixels(jpeg_decompress_struct& info, Errors& errors, uchar* bits, qsizetype bytesPerLine) {
    if (setjmp(errors.step)) return false;
    // Four bytes per pixel, laid out as the 32-bit word 0xFFRRGGBB.
    info.out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;
    jpeg_start_decompress(&info);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = bits + qsizetype(info.output_scanline) * bytesPerLine;
        // Data in memory never suspends; a row not read would loop for ever.
        if (jpeg_read_scanlines(&info, &row, 1) != 1) break;
    }
    jpeg_finish_decompress(&info);
    return true;
}

// The decoder's state, always destroyed (destroying what was never created
// does nothing).
struct Decoder {
    Errors errors{};
    jpeg_decompress_struct info{};
    Decoder() {
        info.err = jpeg_std_error(&errors.library);
        errors.library.error_exit = leaveStep;
        errors.library.output_message = ignoreMessage;
    }
    ~Decoder() { jpeg_destroy_decompress(&info); }
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;
    QString message() const { return QString::fromLocal8Bit(errors.message); }
};

}  // namespace

JpegOutcome DecodeJpeg(const QByteArray& bytes, QImage* image, QString* why) {
    Decoder decoder;
    if (!create(decoder.info, decoder.errors) || !readHeader(decoder.info, decoder.errors, bytes)) {
        *why = decoder.message();
        return JpegOutcome::Failed;
    }
    if (decoder.info.jpeg_color_space == JCS_CMYK || decoder.info.jpeg_color_space == JCS_YCCK)
        return JpegOutcome::NotHandled;
    // The size the header claims, checked before any pixel is decoded.
    const QSize size(int(decoder.info.image_width), int(decoder.info.image_height));
    if (QString problem = PictureSizeProblem(size); !problem.isEmpty()) {
        *why = problem;
        return JpegOutcome::Failed;
    }
    QImage decoded(size, QImage::Format_RGB32);
    if (decoded.isNull()) {
        *why = QStringLiteral("there is no memory for its %1 x %2 pixels").arg(size.width()).arg(size.height());
        return JpegOutcome::Failed;
    }
    if (!readPixels(decoder.info, decoder.errors, decoded.bits(), decoded.bytesPerLine())) {
        *why = decoder.message();
        return JpegOutcome::Failed;
    }
    *image = std::move(decoded);
    return JpegOutcome::Decoded;
}

#else

JpegOutcome DecodeJpeg(const QByteArray&, QImage*, QString*) { return JpegOutcome::NotHandled; }

#endif

}  // namespace ui
