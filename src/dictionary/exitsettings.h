#pragma once

#include "dictionary/windowgeometry.h"

#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace somnar {

class SettingsStore;

struct SettingWrite {
    QString section;
    QString name;
    QString value;
    bool operator==(const SettingWrite &) const = default;
};

// What the normal exit keeps of the running program.
struct ExitState {
    std::optional<TwipsGeometry> geometry;        // only while the window is in its normal state
    std::vector<std::pair<QString, bool>> books;  // path, switched on
    std::vector<SettingWrite> literature;         // the literature tree's own values
    bool ordinaryList = true;
    std::optional<QString> lastWord;              // none when no word is selected
};

// The values in the order they are written: geometry, books, literature, ListMode, LastWord.
std::vector<SettingWrite> NormalExitWrites(const ExitState &state);
// Writes them; a failed write is skipped so the exit always completes.
void SaveExitState(const ExitState &state, SettingsStore &settings);

}
