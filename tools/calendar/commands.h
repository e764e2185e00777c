#pragma once

#include "commandline.h"

namespace somnar::calendartool {

void RunCalendar(const CommandLine &line);
void RunMoonrise(const CommandLine &line);
void RunPhases(const CommandLine &line);

}
