#pragma once

#include "diary/diaryentry.h"

#include <QList>
#include <QString>

#include <vector>

namespace somnar::diary {

// count generated entries of about textLength characters each, one night apart going back from
// 2026-12-01, of Russian dream words in many forms and, when given, headwords with case endings
// (one word in twelve); the same for the same arguments.
QList<DiaryEntry> GenerateDreams(int count, int textLength = 1500, unsigned seed = 1,
                                 const std::vector<QString> &headwords = {});

}
