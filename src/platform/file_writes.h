#pragma once

#include "platform/outcome.h"

#include <QByteArray>
#include <QString>
#include <functional>

// Every file the program writes (cards, parameter files, settings) is written here, so that a
// failure at any step never leaves a shorter or empty file in place of a good one.
//
// The bytes go to a temporary file of the target's folder (".~eqsl-XXXXXX.tmp"), which is renamed
// over the target only once every byte was written and, for a file that must be durable at once,
// synced; on any failure the temporary is removed and the target stays as it was, byte for byte.
// Files are created with the mode the user's umask gives (0666 less the umask), as any file of
// the user's programs.

enum class Durability {
    // Synced before it replaces the target, and its folder synced after: on disk when this returns.
    AtOnce,
    // Left to the system; a batch of files is made durable with one syncFolder() at its end.
    WithFolder,
};

// Writes `bytes` as the whole content of `path`. A failure's reason (FileReason) is true to its
// cause: a full disk, a failing medium, a name too long, ...
Outcome writeFileReplacing(const QString& path, const QByteArray& bytes, Durability durability = Durability::AtOnce);

// Makes every file written so far in the folder durable: one sync of the folder's file system,
// then of the folder itself (which holds the new names).
Outcome syncFolder(const QString& folder);

// Removes the temporary files that an interrupted run (a crash, a power cut) left in the folder:
// regular files named exactly as the program names its temporaries, never a link or a folder.
// Only those older than a minute are taken: a file being written now by another run of the
// program is younger. Returns how many were removed.
int removeLeftoverTemporaries(const QString& folder);

// Makes the folder and the folders above it that are missing.
Outcome makeFolder(const QString& folder);

// The test seam of the steps above: a hook called before each step with the target's path, which
// makes the step fail with the error number it returns (0 lets the step run).
enum class FileStep { Create, Write, Sync, Close, Rename, SyncFolder };
using FileFaultHook = std::function<int(FileStep step, const QString& path)>;
void setFileFaultHook(FileFaultHook hook);
