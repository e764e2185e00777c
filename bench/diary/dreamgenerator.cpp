#include "dreamgenerator.h"

namespace somnar::diary {

QList<DiaryEntry> GenerateDreams(int, int, unsigned)
{
    return {};
}

}
