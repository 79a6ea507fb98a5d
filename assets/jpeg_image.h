#pragma once
// JPEG decoding for the pictures stored with the windows, built directly on libjpeg.
#include <QImage>

class QByteArray;

namespace quintavo {

// Decodes a baseline or progressive JPEG (grey or colour) into an RGB32 image. Corrupt,
// truncated or oversized data gives a null image; libjpeg never ends the program, and
// its warnings (data that needed patching up) count as failures.
QImage DecodeJpeg(const QByteArray& data);

} // namespace quintavo
