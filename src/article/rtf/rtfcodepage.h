#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <map>

namespace somnar {

// The Windows code page a font's \fcharset names; 0 for a charset that names none (the
// document's code page applies).
int CodePageOfCharset(int charset);

// Decodes bytes of a Windows code page. A page the system cannot decode reads as Windows-1252.
class CodePageDecoder {
public:
    QString decode(int codePage, QByteArrayView bytes);

private:
    QStringDecoder &decoderFor(int codePage);

    std::map<int, QStringDecoder> m_decoders;
};

}
