#pragma once

#include <QByteArray>
#include <QString>

// Files written in a batch, such as the cards of an export: each one atomically, the whole batch
// made durable once at its end, since syncing every file to the disk costs more than writing it.

// Writes the bytes under a temporary name in the file's folder and renames that over `path`, so
// that `path` holds the previous file, or none, until it holds the whole new one; a failure leaves
// nothing behind. The data reaches the disk later, at the latest with syncFolder(). Returns an
// empty text on success, else the reason (in French, FileReason).
QString writeFileReplacing(const QString& path, const QByteArray& bytes);

// Makes every file written so far in the folder durable: one sync of the folder's file system,
// then of the folder itself (which holds the new names). Returns an empty text or the reason.
QString syncFolder(const QString& folder);
