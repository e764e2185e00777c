#include "diary/headwordlinker.h"

namespace somnar::diary {

void HeadwordLinker::build(const std::vector<QString> &)
{
}

QList<WordLink> HeadwordLinker::links(const QString &) const
{
    return {};
}

}
