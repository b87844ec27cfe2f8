#pragma once

#include <QByteArray>
#include <QString>

// Real resource files, made on the spot: every kind the program builds.
namespace corpus {

QByteArray bitmap(int bitsPerPixel, int headerSize, int width = 16, int height = 16);
// An icon (type 1) or cursor (type 2) with a 16 px 32-bit image, a 32 px 8-bit image and,
// when withPng, a 256 px PNG image.
QByteArray iconFile(int type, bool withPng);
// A PNG image of one colour.
QByteArray png(int width, int height);
QByteArray animatedCursor();
QByteArray wave(int samples = 800);
QByteArray avi();
QByteArray gif();
QByteArray jpeg();
QByteArray fakeFon();
QByteArray trueTypeFont();
QByteArray bytes(int size, char fill);
bool write(const QString &path, const QByteArray &data);

} // namespace corpus
