#pragma once

#include "JournalEntry.h"

#include <QString>

namespace mobwright {

// One journaled write as a line, for the command line's history and the
// window's: "3  2026-12-08 00:21:07  Import  enemies 001 and 002", with what
// became of it where it was not written whole. last: whether it is the
// journal's last entry, which alone may still be unfinished.
QString JournalEntryLine(const JournalEntry &entry, bool last);

} // namespace mobwright
