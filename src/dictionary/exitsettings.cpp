#include "dictionary/exitsettings.h"

#include "app/settingsstore.h"

#include <cmath>

namespace somnar {

static QString twipsText(double twips)
{
    return QString::number(std::lround(twips));
}

std::vector<SettingWrite> NormalExitWrites(const ExitState &state)
{
    std::vector<SettingWrite> writes;
    if (state.geometry) {
        writes.push_back({kMainSection, QStringLiteral("Top"), twipsText(state.geometry->top)});
        writes.push_back({kMainSection, QStringLiteral("Left"), twipsText(state.geometry->left)});
        writes.push_back({kMainSection, QStringLiteral("Height"), twipsText(state.geometry->height)});
        writes.push_back({kMainSection, QStringLiteral("Width"), twipsText(state.geometry->width)});
    }
    for (const auto &[path, switchedOn] : state.books)
        writes.push_back({kBooksSection, path, switchedOn ? QStringLiteral("1") : QStringLiteral("0")});
    writes.insert(writes.end(), state.literature.begin(), state.literature.end());
    writes.push_back({kMainSection, QStringLiteral("ListMode"), state.ordinaryList ? QStringLiteral("1") : QStringLiteral("0")});
    if (state.lastWord)
        writes.push_back({kMainSection, QStringLiteral("LastWord"), *state.lastWord});
    return writes;
}

void SaveExitState(const ExitState &state, SettingsStore &settings)
{
    for (const SettingWrite &write : NormalExitWrites(state))
        settings.save(write.section, write.name, write.value);
}

}
