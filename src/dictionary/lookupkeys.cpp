#include "dictionary/lookupkeys.h"

namespace somnar {

int VisibleTarget(int i, int count)
{
    return (i < count && i > 3) ? i + 1 : i;
}

int ArrowTarget(SearchBoxKey key, int i, int count)
{
    if (key == SearchBoxKey::Up && i > 1)
        return i - 1;
    if (key == SearchBoxKey::Down && i < count)
        return i + 1;
    return i;
}

bool StartsNewSearch(char32_t character)
{
    return character >= 34;
}

}
