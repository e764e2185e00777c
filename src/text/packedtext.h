#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace somnar {

// Packed text: the storage form of the book fields Text and Links. An LZW stream of 9-bit
// codes (256 clear, 257 end, 258..511 dictionary), least significant bit first, whose first
// byte (always 0x00, the low bits of the leading clear code) is not stored.

// Decoded bytes of a stored field; empty when the stream does not start with the clear code.
// Safe on any input; the output is capped at kMaxUnpackedBytes.
QByteArray UnpackBytes(QByteArrayView stored);

// Decoded text: UnpackBytes read through Windows-1251.
QString Unpack(QByteArrayView stored);

// The encoder whose streams UnpackBytes reads back exactly, for any byte string.
QByteArray Pack(QByteArrayView bytes);

inline constexpr qsizetype kMaxUnpackedBytes = 64 * 1024 * 1024;

}
