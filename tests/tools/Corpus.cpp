#include "Corpus.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
quint32 crc32(const QByteArray &data)
{
    quint32 crc = 0xFFFFFFFFu;
    for (char c : data) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}
QByteArray pngChunk(const char *id, const QByteArray &data)
{
    QByteArray c;
    put32(c, qToBigEndian<quint32>(data.size()));
    const QByteArray body = QByteArray(id, 4) + data;
    c += body;
    put32(c, qToBigEndian<quint32>(crc32(body)));
    return c;
}
} // namespace

QByteArray png(int w, int h)
{
    QByteArray header;
    put32(header, qToBigEndian<quint32>(w));
    put32(header, qToBigEndian<quint32>(h));
    header += QByteArray("\x08\x06\x00\x00\x00", 5); // 8-bit RGBA, no interlace
    QByteArray rows;
    for (int y = 0; y < h; ++y) {
        rows += '\0'; // no filter
        for (int x = 0; x < w; ++x)
            rows += QByteArray("\x0a\x78\xc8\xff", 4);
    }
    // qCompress gives a zlib stream behind a four-byte length, which PNG does not want.
    const QByteArray deflated = qCompress(rows).mid(4);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) +
           pngChunk("IDAT", deflated) + pngChunk("IEND", QByteArray());
}

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
        images << qMakePair(256, png(256, 256));
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
    // A 16 x 8 baseline JPEG of one red, written once by an image library and kept as bytes, so
    // the corpus needs no image library (resource-only builds have none).
    return QByteArray::fromHex("ffd8ffe000104a46494600010101006400640000ffdb004300100b0c0e0c0a100e0"
                               "d0e1211101318281a181616183123"
                               "251d283a333d3c3933383740485c4e404457453738506d51575f626768673e4d717"
                               "97064785c656763ffdb0043011112"
                               "121815182f1a1a2f634238426363636363636363636363636363636363636363636"
                               "36363636363636363636363636363"
                               "6363636363636363636363636363ffc00011080008001003012200021101031101f"
                               "fc4001f0000010501010101010100"
                               "000000000000000102030405060708090a0bffc400b510000201030302040305050"
                               "4040000017d010203000411051221"
                               "31410613516107227114328191a1082342b1c11552d1f02433627282090a1617181"
                               "91a25262728292a3435363738393a"
                               "434445464748494a535455565758595a636465666768696a737475767778797a838"
                               "485868788898a9293949596979899"
                               "9aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3c4c5c6c7c8c9cad2d3d4d5d6d"
                               "7d8d9dae1e2e3e4e5e6e7e8e9eaf1"
                               "f2f3f4f5f6f7f8f9faffc4001f01000301010101010101010100000000000001020"
                               "30405060708090a0bffc400b51100"
                               "0201020404030407050404000102770001020311040521310612415107617113223"
                               "28108144291a1b1c109233352f015"
                               "6272d10a162434e125f11718191a262728292a35363738393a434445464748494a5"
                               "35455565758595a63646566676869"
                               "6a737475767778797a82838485868788898a92939495969798999aa2a3a4a5a6a7a"
                               "8a9aab2b3b4b5b6b7b8b9bac2c3c4"
                               "c5c6c7c8c9cad2d3d4d5d6d7d8d9dae2e3e4e5e6e7e8e9eaf2f3f4f5f6f7f8f9faf"
                               "fda000c03010002110311003f00c7"
                               "a28a2b84fa83ffd9");
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
