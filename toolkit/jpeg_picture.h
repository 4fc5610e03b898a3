// JPEG pictures decoded with libjpeg straight into a QImage, and the program's
// embedded pictures by name.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace orv {

// Decodes a whole JPEG file held in memory into a QImage::Format_RGB32 picture.
// Throws orv::Fault with libjpeg's message when the data is not a JPEG it can read.
QImage DecodeJpeg(const QByteArray& data);

// A picture from Qt's resources (":/pictures/..."): JPEG through DecodeJpeg, other
// formats through QImage. Throws orv::Fault when the resource is missing.
QImage LoadPicture(const QString& resourcePath);

}  // namespace orv
