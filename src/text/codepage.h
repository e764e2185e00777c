#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace somnar {

// Windows-1251, the code page of book texts, literature files and the town list.
// 0x98 is undefined in the code page; it maps to U+0098 so that every byte survives
// the round trip byte -> character -> byte (packed text relies on it).
char16_t cp1251ToUnicode(unsigned char byte);
std::optional<unsigned char> unicodeToCp1251(char16_t ch);

QString decodeCp1251(QByteArrayView bytes);

// Returns nullopt when a character has no Windows-1251 byte; *badIndex then names it.
std::optional<QByteArray> encodeCp1251(QStringView text, qsizetype *badIndex = nullptr);

}
