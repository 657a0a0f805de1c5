#pragma once

#include "Console.h"
#include "FileFormats.h"

#include <optional>

class QCommandLineParser;

namespace mobwright {

// The formats each command reads or writes; the first is taken where neither
// --format nor the file's extension names one.
inline const FormatHelper TABLES({FormatKind::Table});
inline const FormatHelper DIFFERENCES({FormatKind::Table, FormatKind::Patch});

// The commands, each given its parsed options and its words after the
// command's name; each returns its exit status. Those of the journal refuse
// nothing for an unfinished write; the others refuse an image with one.
int RunExport(const QCommandLineParser &parser, const QStringList &words, const Console &io);
int RunImport(const QCommandLineParser &parser, const QStringList &words, const Console &io);
int RunDiff(const QCommandLineParser &parser, const QStringList &words, const Console &io);
int RunInfo(const QCommandLineParser &parser, const QStringList &words, const Console &io);
int RunChecksum(const QCommandLineParser &parser, const QStringList &words, const Console &io);
int RunRecover(const QCommandLineParser &parser, const QStringList &words, const Console &io);
int RunHistory(const QCommandLineParser &parser, const QStringList &words, const Console &io);
int RunRevert(const QCommandLineParser &parser, const QStringList &words, const Console &io);

// Refuses (status 1) an opened image whose last journaled write is
// unfinished, saying how to settle it; nothing where there is none. The
// image at a path is opened to read for it; one that cannot be is left to
// the command to tell of.
std::optional<int> RefuseUnfinished(ImageSession &session, const Console &io);
std::optional<int> RefuseUnfinishedAt(const QString &image, const Console &io);

// Refuses (status 1) a --format that is none of keys.
int UnknownFormat(const QCommandLineParser &parser, const QString &keys, const Console &io);

} // namespace mobwright
