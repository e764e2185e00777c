#include "dictionary/bookfile/jettext.h"

namespace somnar {
namespace {

bool fitsOneByte(char16_t ch) { return ch < 0x100; }

// In either mode a 0x00 byte switches the mode, so no character may have a zero low byte.
bool compressible(QStringView text)
{
    for (QChar ch : text) {
        if ((ch.unicode() & 0xFF) == 0)
            return false;
    }
    return true;
}

// Number of one-byte characters from position i on.
qsizetype oneByteRun(QStringView text, qsizetype i)
{
    qsizetype j = i;
    while (j < text.size() && fitsOneByte(text[j].unicode()))
        ++j;
    return j - i;
}

QByteArray compressed(QStringView text)
{
    QByteArray out;
    out.reserve(text.size() + 8);
    out.append(char(0xFF));
    out.append(char(0xFE));
    bool oneByteMode = true;
    for (qsizetype i = 0; i < text.size();) {
        const char16_t ch = text[i].unicode();
        if (oneByteMode) {
            if (fitsOneByte(ch)) {
                out.append(char(ch));
                ++i;
                continue;
            }
            out.append('\0');
            oneByteMode = false;
        }
        // A short run of one-byte characters costs less in two-byte mode than two switches.
        const qsizetype run = oneByteRun(text, i);
        if (run > 2) {
            out.append('\0');
            oneByteMode = true;
            continue;
        }
        out.append(char(ch & 0xFF));
        out.append(char(ch >> 8));
        ++i;
    }
    return out;
}

QByteArray ucs2(QStringView text)
{
    QByteArray out(text.size() * 2, Qt::Uninitialized);
    char *p = out.data();
    for (QChar ch : text) {
        *p++ = char(ch.unicode() & 0xFF);
        *p++ = char(ch.unicode() >> 8);
    }
    return out;
}

}

QByteArray encodeJetText(QStringView text, bool compress)
{
    if (compress && !text.isEmpty() && compressible(text)) {
        QByteArray packed = compressed(text);
        if (packed.size() < text.size() * 2)
            return packed;
    }
    return ucs2(text);
}

QString decodeJetText(QByteArrayView stored)
{
    const auto *p = reinterpret_cast<const unsigned char *>(stored.data());
    const qsizetype n = stored.size();
    if (n >= 2 && p[0] == 0xFF && p[1] == 0xFE) {
        QString text(n, Qt::Uninitialized);   // never more characters than bytes
        char16_t *out = reinterpret_cast<char16_t *>(text.data());
        char16_t *const begin = out;
        bool oneByteMode = true;
        for (qsizetype i = 2; i < n;) {
            if (p[i] == 0) {
                oneByteMode = !oneByteMode;
                ++i;
            } else if (oneByteMode) {
                *out++ = p[i++];
            } else if (i + 1 < n) {
                *out++ = char16_t(p[i] | (p[i + 1] << 8));
                i += 2;
            } else {
                break;
            }
        }
        text.truncate(out - begin);
        return text;
    }
    QString text(n / 2, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i + 1 < n; i += 2)
        *out++ = char16_t(p[i] | (p[i + 1] << 8));
    return text;
}

}
