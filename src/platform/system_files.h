#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>

// The system calls under writeFileReplacing() and syncFolder(), one implementation a system
// (system_files_posix.cpp, system_files_windows.cpp). Each returns 0 or an error number of
// <cerrno>: a Windows error is given as the error number of the same cause (ENOSPC for a full
// disk, EIO for a failing medium, ...), so that the reasons told are the same on every system.
namespace SystemFiles
{

// A temporary file being written: its handle (a descriptor, or a Windows HANDLE) and its path.
struct Temporary {
    std::intptr_t handle = -1;
    QString path;
    bool isOpen() const { return handle != -1; }
};

// Creates a new file of the folder named `prefix`, six letters or digits (A-Z, a-z, 0-9) and
// `suffix`, for writing, with the mode the user's files get.
int create(const QString& folder, const QString& prefix, const QString& suffix, Temporary& file);

// Writes every byte, through short writes and interruptions.
int writeAll(const Temporary& file, const QByteArray& bytes);

// Makes the file's bytes durable.
int flush(const Temporary& file);

// Closes the file (a file system that writes on close tells its failures there).
int close(Temporary& file);

// Puts the closed temporary file in place of the target, in one step.
int replace(const Temporary& file, const QString& target);

// Removes the temporary file, closing it first if it is open.
void discard(Temporary& file);

// Makes the folder's names durable (the new name of a replaced file).
int syncFolderNames(const QString& folder);

// Makes every file written in the folder's file system durable, and its names: on Linux the whole
// file system at once; on Windows, where only an administrator may flush a whole volume, each of
// `written`, the files put in the folder since its last synchronisation.
int syncFileSystem(const QString& folder, const QStringList& written);

} // namespace SystemFiles
