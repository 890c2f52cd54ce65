#pragma once

// The program's search index at work: started with the launcher, its build
// shown in the launcher's status line, caught up after every check, stopped
// at the end of the program.
#include <QString>

namespace SearchStatus {

void start();
void stop();

// The status line during a build: "検索用の索引を作成中 12,000 / 32,767".
QString progressText(int indexed, int total);

} // namespace SearchStatus
