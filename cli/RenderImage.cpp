// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/RenderImage.h"

#include "app/BiorhythmDlg.h"
#include "app/Translation.h"
#include "chart/ChartLayout.h"
#include "cli/Arguments.h"
#include "cli/RenderOptions.h"
#include "cli/RenderWindow.h"
#include "platform/AtomicFile.h"
#include "platform/PrintableText.h"
#include "res/ResourceIds.h"

#include <QPixmap>

#include <csetjmp>

#include <png.h>

namespace {

// What libpng reports while it encodes; an error ends the encoding.
struct PngWrite {
    QByteArray* output;
    QString message;
};

[[noreturn]] void OnPngError(png_structp png, png_const_charp message)
{
    static_cast<PngWrite*>(png_get_error_ptr(png))->message = QString::fromUtf8(message);
    png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp)
{
}

void AppendPngBytes(png_structp png, png_bytep bytes, png_size_t length)
{
    static_cast<PngWrite*>(png_get_io_ptr(png))->output->append(reinterpret_cast<const char*>(bytes), qsizetype(length));
}

// The window as a PNG of 8-bit RGB, or RGBA when it has transparency, with
// its resolution, as Qt writes it. Qt's encoder tries every row filter on
// every row, which costs more than the whole window takes to draw; unfiltered
// rows at zlib's level 3 give the same pixels several times faster, in a
// file about as large.
bool EncodePng(const QImage& window, QByteArray* png, QString* message)
{
    // An opaque window is encoded from its own 32-bit pixels, libpng
    // dropping the filler byte, so that no copy of the picture is made.
    const bool alpha = window.hasAlphaChannel();
    const QImage image = window.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB32);
    if (image.isNull()) {
        *message = Translated("Command", "the image could not be encoded as PNG");
        return false;
    }
    PngWrite write { png, QString() };
    png_structp writer = png_create_write_struct(PNG_LIBPNG_VER_STRING, &write, OnPngError, OnPngWarning);
    png_infop info = writer ? png_create_info_struct(writer) : nullptr;
    if (!info) {
        png_destroy_write_struct(&writer, nullptr);
        *message = Translated("Command", "the image could not be encoded as PNG");
        return false;
    }
    if (setjmp(png_jmpbuf(writer))) {
        png_destroy_write_struct(&writer, &info);
        *message = write.message.isEmpty() ? Translated("Command", "the image could not be encoded as PNG") : write.message;
        return false;
    }
    png_set_write_fn(writer, &write, AppendPngBytes, nullptr);
    png_set_filter(writer, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(writer, 3);
    png_set_IHDR(writer, info, png_uint_32(image.width()), png_uint_32(image.height()), 8,
        alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE,
        PNG_FILTER_TYPE_BASE);
    if (image.dotsPerMeterX() > 0 && image.dotsPerMeterY() > 0)
        png_set_pHYs(writer, info, png_uint_32(image.dotsPerMeterX()), png_uint_32(image.dotsPerMeterY()), PNG_RESOLUTION_METER);
    png_write_info(writer, info);
    if (!alpha) {
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
        png_set_bgr(writer);
        png_set_filler(writer, 0, PNG_FILLER_AFTER);
#else
        png_set_filler(writer, 0, PNG_FILLER_BEFORE);
#endif
    }
    for (int row = 0; row < image.height(); ++row)
        png_write_row(writer, image.constScanLine(row));
    png_write_end(writer, info);
    png_destroy_write_struct(&writer, &info);
    return true;
}

} // namespace

QImage RenderWindowImage(const RenderOptions& options)
{
    CBiorhythmDlg dialog(nullptr, CPersonsStore::Access::ReadOnly);
    dialog.show();
    ChartMonthAsUser(dialog, options);
    if (options.chartOnly)
        return dialog.grab(QRect(dialog.GetDlgItem(IDC_CHART)->pos(), ChartExtent())).toImage();
    return dialog.grab().toImage();
}

bool WriteWindowImage(const RenderOptions& options, QString* error)
{
    const QImage image = RenderWindowImage(options);
    // Should Qt still find a way to scale the screen, no image of the wrong
    // size is written.
    if (image.devicePixelRatio() != options.scale) {
        *error = Translated("Command", "the screen settings draw at %1 times the size, not %2")
                     .arg(image.devicePixelRatio()).arg(options.scale);
        return false;
    }
    QByteArray png;
    QString reason;
    const bool encoded = EncodePng(image, &png, &reason);
    if (encoded && WriteFileAtomically(EncodeArgument(options.output), png, &reason))
        return true;
    *error = Translated("Command", "cannot write '%1': %2").arg(PrintableText(options.output), reason);
    return false;
}
