#include "platform/NativeName.h"

#include <QStringDecoder>

namespace tolvane::nativename {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

bool isEscape(char16_t c)
{
    return c >= 0xDC80 && c <= 0xDCFF;
}

bool isContinuation(unsigned char b)
{
    return (b & 0xC0) == 0x80;
}

// Length of the valid UTF-8 sequence at bytes[i], or 0 when the byte there starts none. Overlong
// forms, surrogates and code points above U+10FFFF are not valid.
int validSequence(const QByteArray &bytes, int i, char32_t *codePoint)
{
    const auto b0 = static_cast<unsigned char>(bytes[i]);
    const int left = bytes.size() - i;
    auto at = [&](int k) { return static_cast<unsigned char>(bytes[i + k]); };
    if (b0 < 0x80) {
        *codePoint = b0;
        return 1;
    }
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        if (left < 2 || !isContinuation(at(1)))
            return 0;
        *codePoint = (char32_t(b0 & 0x1F) << 6) | (at(1) & 0x3F);
        return 2;
    }
    if (b0 >= 0xE0 && b0 <= 0xEF) {
        if (left < 3 || !isContinuation(at(1)) || !isContinuation(at(2)))
            return 0;
        const char32_t cp =
            (char32_t(b0 & 0x0F) << 12) | (char32_t(at(1) & 0x3F) << 6) | (at(2) & 0x3F);
        if (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))
            return 0;
        *codePoint = cp;
        return 3;
    }
    if (b0 >= 0xF0 && b0 <= 0xF4) {
        if (left < 4 || !isContinuation(at(1)) || !isContinuation(at(2)) || !isContinuation(at(3)))
            return 0;
        const char32_t cp = (char32_t(b0 & 0x07) << 18) | (char32_t(at(1) & 0x3F) << 12) |
                            (char32_t(at(2) & 0x3F) << 6) | (at(3) & 0x3F);
        if (cp < 0x10000 || cp > 0x10FFFF)
            return 0;
        *codePoint = cp;
        return 4;
    }
    return 0;
}

} // namespace

QString decode(const QByteArray &bytes)
{
    // Most names are valid UTF-8: one pass to check, then Qt's own decoder.
    bool valid = true;
    for (int i = 0; i < bytes.size();) {
        char32_t cp = 0;
        const int n = validSequence(bytes, i, &cp);
        if (n == 0) {
            valid = false;
            break;
        }
        i += n;
    }
    // A byte order mark at the start is part of the name: fromUtf8() would drop it.
    if (valid)
        return QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom)(bytes);

    QString text;
    text.reserve(bytes.size());
    for (int i = 0; i < bytes.size();) {
        char32_t cp = 0;
        const int n = validSequence(bytes, i, &cp);
        if (n == 0) {
            text.append(QChar(char16_t(kEscapeBase + static_cast<unsigned char>(bytes[i]))));
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            const char32_t v = cp - 0x10000;
            text.append(QChar(char16_t(0xD800 + (v >> 10))));
            text.append(QChar(char16_t(0xDC00 + (v & 0x3FF))));
        } else {
            text.append(QChar(char16_t(cp)));
        }
        i += n;
    }
    return text;
}

QByteArray encode(const QString &name)
{
    if (!hasRawBytes(name))
        return name.toUtf8();
    QByteArray bytes;
    bytes.reserve(name.size() * 2);
    const int n = name.size();
    for (int i = 0; i < n; ++i) {
        const char16_t c = name.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < n &&
            QChar::isLowSurrogate(name.at(i + 1).unicode())) {
            bytes.append(QString(name.mid(i, 2)).toUtf8());
            ++i;
        } else if (isEscape(c)) {
            bytes.append(char(c - kEscapeBase));
        } else {
            bytes.append(QString(QChar(c)).toUtf8());
        }
    }
    return bytes;
}

bool hasRawBytes(const QString &name)
{
    const int n = name.size();
    for (int i = 0; i < n; ++i) {
        const char16_t c = name.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < n &&
            QChar::isLowSurrogate(name.at(i + 1).unicode())) {
            ++i;
            continue;
        }
        if (isEscape(c))
            return true;
    }
    return false;
}

QString display(const QString &name)
{
    if (!hasRawBytes(name))
        return name;
    QString shown = name;
    const int n = shown.size();
    for (int i = 0; i < n; ++i) {
        const char16_t c = shown.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < n &&
            QChar::isLowSurrogate(shown.at(i + 1).unicode())) {
            ++i;
            continue;
        }
        if (isEscape(c))
            shown[i] = QChar(QChar::ReplacementCharacter);
    }
    return shown;
}

} // namespace tolvane::nativename
