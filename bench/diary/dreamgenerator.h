#pragma once

#include "diary/diaryentry.h"

#include <QList>

namespace somnar::diary {

// count generated entries of about textLength characters each, one night apart going back from
// 2026-12-01, with Russian words among which common headwords in many forms; the same for the
// same seed.
QList<DiaryEntry> GenerateDreams(int count, int textLength = 1500, unsigned seed = 1);

}
