#include "dictionary/statustext.h"

#include <cmath>

namespace somnar {

QString IfLong(const QString &text, int length)
{
    if (length >= text.size())
        return text;
    if (length <= 0)
        return {};
    return text.left(length - 1) + QStringLiteral("...");
}

QString ArticlePlural(qint64 articleTotal)
{
    const QString digits = QString::number(articleTotal);
    switch (digits.back().unicode()) {
    case '1':
        return QStringLiteral("словарная статья");
    case '2':
    case '3':
    case '4':
        return QStringLiteral("словарные статьи");
    default:
        return QStringLiteral("словарных статей");
    }
}

QString StatusText(qint32 articleTotal)
{
    // Five interpretations per article on average; computed wide so a huge total cannot wrap.
    const qint64 interpretations = qint64(articleTotal) * 5;
    return QStringLiteral("%1 %2; ~%3 толкований")
        .arg(articleTotal)
        .arg(ArticlePlural(articleTotal))
        .arg(interpretations);
}

int WhatLong(int innerWidthTwips, int pictureWidthTwips, int labelLeftTwips)
{
    return int(std::floor((innerWidthTwips - pictureWidthTwips - labelLeftTwips) / 85.0));
}

}
