#include "toolkit/jpeg_picture.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>
#include <string>

// jpeglib.h expects size_t and FILE to be declared before it.
#include <jpeglib.h>

#include "base/errors.h"

namespace orv {
namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return: it
// jumps back to the decoder, which then throws. Everything the jump crosses is
// libjpeg's own C code, so no C++ destructor is skipped.
struct Decoder {
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  std::jmp_buf jump{};
  char message[JMSG_LENGTH_MAX] = {};
};

[[noreturn]] void JumpOnError(j_common_ptr info) {
  auto* decoder = static_cast<Decoder*>(info->client_data);
  (*info->err->format_message)(info, decoder->message);
  std::longjmp(decoder->jump, 1);
}

void IgnoreWarning(j_common_ptr) {}

// Returns false after a libjpeg error; `decoder` and `image` live in the caller's
// frame, so their values are well defined after the jump.
bool DecodeInto(Decoder* decoder, const QByteArray* data, QImage* image) {
  jpeg_decompress_struct* info = &decoder->info;
  if (setjmp(decoder->jump)) return false;
  jpeg_create_decompress(info);
  jpeg_mem_src(info, reinterpret_cast<const unsigned char*>(data->constData()),
               static_cast<unsigned long>(data->size()));
  jpeg_read_header(info, TRUE);
  // Four bytes per pixel in memory order B, G, R, X: exactly QImage::Format_RGB32.
  info->out_color_space = JCS_EXT_BGRX;
  jpeg_start_decompress(info);
  *image = QImage(static_cast<int>(info->output_width), static_cast<int>(info->output_height),
                  QImage::Format_RGB32);
  while (info->output_scanline < info->output_height) {
    JSAMPROW row = image->scanLine(static_cast<int>(info->output_scanline));
    jpeg_read_scanlines(info, &row, 1);
  }
  jpeg_finish_decompress(info);
  return true;
}

}  // namespace

QImage DecodeJpeg(const QByteArray& data) {
  Decoder decoder;
  decoder.info.err = jpeg_std_error(&decoder.errors);
  decoder.errors.error_exit = JumpOnError;
  decoder.errors.output_message = IgnoreWarning;
  decoder.info.client_data = &decoder;
  QImage image;
  const bool ok = DecodeInto(&decoder, &data, &image);
  jpeg_destroy_decompress(&decoder.info);
  if (!ok) throw Fault(std::string("JPEG picture: ") + decoder.message);
  return image;
}

QImage LoadPicture(const QString& resourcePath) {
  QFile file(resourcePath);
  if (!file.open(QIODevice::ReadOnly)) throw Fault("Picture not found: " + resourcePath.toStdString());
  const QByteArray data = file.readAll();
  if (resourcePath.endsWith(".jpg", Qt::CaseInsensitive)) return DecodeJpeg(data);
  QImage image;
  if (!image.loadFromData(data)) throw Fault("Picture not readable: " + resourcePath.toStdString());
  return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace orv
