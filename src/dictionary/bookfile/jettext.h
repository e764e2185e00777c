#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace somnar {

// Text as a Jet 4 database stores it: UCS-2 little endian, or the compressed form that starts
// with 0xFF 0xFE and keeps one byte for every character below U+0100, switching between the
// one-byte and the two-byte mode at each 0x00 byte.

// Compressed when that is shorter and every character can be written in it.
QByteArray encodeJetText(QStringView text, bool compress);

// Reads both forms; a trailing odd byte of the two-byte form is ignored.
QString decodeJetText(QByteArrayView stored);

}
