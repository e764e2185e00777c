#include "article/rtf/rtfcodepage.h"

#include "text/codepage.h"

namespace somnar {

int CodePageOfCharset(int charset)
{
    switch (charset) {
    case 0: return 1252;
    case 2: return 1252;
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 850;
    default: return 0;
    }
}

QStringDecoder &CodePageDecoder::decoderFor(int codePage)
{
    auto found = m_decoders.find(codePage);
    if (found != m_decoders.end())
        return found->second;
    const auto make = [](const QByteArray &name) {
        return QStringDecoder(name.constData(), QStringConverter::Flag::Stateless);
    };
    const QByteArray number = QByteArray::number(codePage);
    QStringDecoder decoder = codePage == 10000 ? make("macintosh") : make("windows-" + number);
    for (const QByteArray &prefix : {QByteArray("cp"), QByteArray("IBM")}) {
        if (!decoder.isValid())
            decoder = make(prefix + number);
    }
    if (!decoder.isValid())
        decoder = make("windows-1252");
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringConverter::Latin1, QStringConverter::Flag::Stateless);
    return m_decoders.emplace(codePage, std::move(decoder)).first->second;
}

QString CodePageDecoder::decode(int codePage, QByteArrayView bytes)
{
    if (codePage == 1251)
        return decodeCp1251(bytes);
    if (codePage == 65001)
        return QString::fromUtf8(bytes);
    return decoderFor(codePage).decode(bytes);
}

}
