#pragma once

#include <QString>

namespace mobwright::bench {

// Start-up in fresh processes, the editor's against a bare window's, in CPU
// time over interleaved runs, in instructions under callgrind (callgrindRuns
// of each, none when 0 or valgrind is missing), and the peak memory each
// process reports of itself.
void MeasureStartup(int repetitions, int callgrindRuns, const QString &image);

} // namespace mobwright::bench
