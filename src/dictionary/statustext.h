#pragma once

#include <QString>

namespace somnar {

// A text shortened for a label: the first length - 1 characters and "...", or the text itself
// when it fits; empty when there is no room at all.
QString IfLong(const QString &text, int length);

// "словарная статья", "словарные статьи" or "словарных статей" by the last digit of the count.
QString ArticlePlural(qint64 articleTotal);

// "1234 словарные статьи; ~6170 толкований".
QString StatusText(qint32 articleTotal);

// How many characters of 85 twips fit in the status label.
int WhatLong(int innerWidthTwips, int pictureWidthTwips, int labelLeftTwips);

}
