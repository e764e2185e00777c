#pragma once

#include "text/codepage.h"
#include "text/packedtext.h"
#include "dictionary/bookfile/bookdatabase.h"
#include "dictionary/bookfile/wordorder.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRandomGenerator>
#include <QString>

#include <algorithm>
#include <vector>

namespace somnar::test {

// Bytes of readable Russian text.
inline QByteArray cp1251(const QString &text) { return *encodeCp1251(text); }

// Every byte value, 0x00 and 0x98 included, repeated up to the length.
inline QByteArray everyByte(qsizetype length)
{
    QByteArray bytes(length, Qt::Uninitialized);
    for (qsizetype i = 0; i < length; ++i)
        bytes[i] = char((i * 37 + i / 256) & 0xFF);
    return bytes;
}

// Packed text of a readable article of about the given length.
inline QByteArray packedArticle(quint32 seed, qsizetype length)
{
    static const QStringList words = {QStringLiteral("сон"), QStringLiteral("к"), QStringLiteral("радости"),
                                      QStringLiteral("дорога"), QStringLiteral("–"), QStringLiteral("ёлка"),
                                      QStringLiteral("«гость»"), QStringLiteral("Вода"), QStringLiteral("№5")};
    QRandomGenerator random(seed);
    QString text;
    while (text.size() < length)
        text += words[random.bounded(int(words.size()))] + (random.bounded(9) == 0 ? QStringLiteral("\r\n") : QStringLiteral(" "));
    return Pack(cp1251(text.left(length)));
}

inline QString headword(int i) { return QStringLiteral("Слово %1").arg(i, 6, 10, QLatin1Char('0')); }

inline BookConfig sampleConfig()
{
    BookConfig config;
    config.toolName = QStringLiteral("Сонник Пробный");
    config.tolkName = QStringLiteral("Пробный сонник «Ночь»");
    config.color = QStringLiteral("32896");
    return config;
}

// Articles in the reader's order (word order, ties kept in given order).
inline std::vector<BookArticle> inWordOrder(std::vector<BookArticle> articles)
{
    std::stable_sort(articles.begin(), articles.end(),
                     [](const BookArticle &a, const BookArticle &b) { return wordKey(a.list) < wordKey(b.list); });
    return articles;
}

inline QByteArray fileHash(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

}
