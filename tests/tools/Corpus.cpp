#include "Corpus.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QtEndian>

namespace corpus {

namespace {
void put16(QByteArray &b, quint16 v)
{
    char c[2];
    qToLittleEndian(v, c);
    b.append(c, 2);
}
void put32(QByteArray &b, quint32 v)
{
    char c[4];
    qToLittleEndian(v, c);
    b.append(c, 4);
}
QByteArray dibHeader(int headerSize, int w, int h, int bpp, int imageSize)
{
    QByteArray d;
    if (headerSize == 12) {
        put32(d, 12);
        put16(d, w);
        put16(d, h);
        put16(d, 1);
        put16(d, bpp);
        return d;
    }
    put32(d, headerSize);
    put32(d, w);
    put32(d, h);
    put16(d, 1);
    put16(d, bpp);
    put32(d, 0);
    put32(d, imageSize);
    put32(d, 2835);
    put32(d, 2835);
    put32(d, 0);
    put32(d, 0);
    d.append(QByteArray(headerSize - 40, '\0'));
    return d;
}
QByteArray chunk(const char *id, const QByteArray &data)
{
    QByteArray c(id, 4);
    put32(c, data.size());
    c += data;
    if (data.size() % 2)
        c += '\0';
    return c;
}
QByteArray riff(const char *form, const QByteArray &body)
{
    return chunk("RIFF", QByteArray(form, 4) + body);
}
} // namespace

QByteArray bitmap(int bpp, int headerSize, int w, int h)
{
    const int stride = ((w * bpp + 31) / 32) * 4;
    const int colours = bpp <= 8 ? (1 << bpp) : 0;
    const int entry = headerSize == 12 ? 3 : 4;
    QByteArray palette;
    for (int i = 0; i < colours; ++i)
        palette += QByteArray(entry, char(i * 255 / qMax(1, colours - 1)));
    QByteArray pixels;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < stride; ++x)
            pixels += char((x * 7 + y * 13) & 0xFF);
    const QByteArray dib = dibHeader(headerSize, w, h, bpp, pixels.size());
    QByteArray b("BM");
    put32(b, 14 + dib.size() + palette.size() + pixels.size());
    put32(b, 0);
    put32(b, 14 + dib.size() + palette.size());
    return b + dib + palette + pixels;
}

static QByteArray iconImage(int size, int bpp)
{
    const int stride = ((size * bpp + 31) / 32) * 4;
    const int maskStride = ((size + 31) / 32) * 4;
    const int colours = bpp <= 8 ? (1 << bpp) : 0;
    QByteArray d = dibHeader(40, size, size * 2, bpp, (stride + maskStride) * size);
    for (int i = 0; i < colours; ++i)
        d += QByteArray(4, char(i));
    for (int i = 0; i < stride * size; ++i)
        d += char(i * 31);
    d += QByteArray(maskStride * size, '\0');
    return d;
}

QByteArray iconFile(int type, bool withPng)
{
    QList<QPair<int, QByteArray>> images = {{16, iconImage(16, 32)}, {32, iconImage(32, 8)}};
    if (withPng) {
        QImage img(256, 256, QImage::Format_ARGB32);
        img.fill(qRgba(10, 120, 200, 255));
        QByteArray png;
        QBuffer buf(&png);
        buf.open(QIODevice::WriteOnly);
        img.save(&buf, "PNG");
        images << qMakePair(256, png);
    }
    QByteArray f;
    put16(f, 0);
    put16(f, type);
    put16(f, images.size());
    int offset = 6 + 16 * images.size();
    for (const auto &im : images) {
        f += char(im.first == 256 ? 0 : im.first);
        f += char(im.first == 256 ? 0 : im.first);
        f += char(0);
        f += char(0);
        put16(f, type == 1 ? 1 : 3);  // planes, or the hot spot x of a cursor
        put16(f, type == 1 ? 32 : 5); // bit count, or the hot spot y
        put32(f, im.second.size());
        put32(f, offset);
        offset += im.second.size();
    }
    for (const auto &im : images)
        f += im.second;
    return f;
}

QByteArray animatedCursor()
{
    QByteArray anih;
    for (quint32 v : {36u, 2u, 2u, 0u, 0u, 0u, 0u, 10u, 1u})
        put32(anih, v);
    const QByteArray frames =
        QByteArray("fram") + chunk("icon", iconFile(2, false)) + chunk("icon", iconFile(2, false));
    return riff("ACON", chunk("anih", anih) + chunk("LIST", frames));
}

QByteArray wave(int samples)
{
    QByteArray fmt;
    put16(fmt, 1);
    put16(fmt, 1);
    put32(fmt, 8000);
    put32(fmt, 8000);
    put16(fmt, 1);
    put16(fmt, 8);
    QByteArray data;
    for (int i = 0; i < samples; ++i)
        data += char(128 + ((i % 20) < 10 ? 40 : -40));
    return riff("WAVE", chunk("fmt ", fmt) + chunk("data", data));
}

QByteArray avi()
{
    QByteArray avih;
    for (quint32 v : {66666u, 0u, 0u, 0u, 1u, 0u, 1u, 0u, 16u, 16u, 0u, 0u, 0u, 0u})
        put32(avih, v);
    const QByteArray hdrl = QByteArray("hdrl") + chunk("avih", avih);
    const QByteArray movi = QByteArray("movi") + chunk("00db", QByteArray(16 * 16 * 3, '\x40'));
    return riff("AVI ", chunk("LIST", hdrl) + chunk("LIST", movi));
}

QByteArray gif()
{
    static const unsigned char g[] = {
        0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00, 0xff, 0xff,
        0xff, 0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x01, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00,
        0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3b};
    return QByteArray(reinterpret_cast<const char *>(g), sizeof g);
}

QByteArray jpeg()
{
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(qRgb(200, 30, 30));
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "JPG");
    return out;
}

QByteArray fakeFon()
{
    QByteArray b("MZ");
    b += QByteArray(58, '\0');
    put32(b, 64);
    b += QByteArray("NE") + QByteArray(200, '\x01');
    return b;
}

QByteArray trueTypeFont()
{
    QFile f(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"));
    if (f.open(QIODevice::ReadOnly))
        return f.readAll();
    // A table directory with no tables: still a font file's shape.
    QByteArray b;
    put32(b, qToBigEndian<quint32>(0x00010000));
    b += QByteArray(8, '\0');
    return b;
}

QByteArray bytes(int size, char fill)
{
    return QByteArray(size, fill);
}

bool write(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

} // namespace corpus
