#pragma once

#include <QString>
#include <QStringList>

// Drops the XDG base directory variables ($XDG_DATA_HOME, $XDG_CONFIG_HOME, ...) that hold a
// relative path, which the XDG rules call invalid, so that the program and Qt use the defaults
// (~/.local/share, ~/.config, ...) instead of folders that depend on the current folder. Called
// before anything reads them.
void ignoreRelativeXdgFolders();

// The folder that holds the program's executable.
QString executableFolder();

// A folder as the program names it, from the bytes of its path: its name when that is UTF-8;
// otherwise (an old Latin-1 name, which Qt cannot name) a path through a descriptor held open for
// the run, which every file operation follows, and which messages show and the settings keep
// (namedPath) as its name: the bytes that are not UTF-8 read as Windows-1252, "Cartes d'été" for
// the Latin-1 "Cartes d'\xE9t\xE9". Empty when the folder cannot be opened.
QString folderFromBytes(const QByteArray& folder);

// The folder name of the output folder, under the program folder.
inline constexpr auto kOutputFolderName = "E_QSL";

// A path made of a folder and a name, written with the platform's separator.
QString joinPath(const QString& folder, const QString& name);

// The program folder of a user who may not write in the executable's folder (a system-wide
// installation): "ZELVANE_E_QSL" in the user's data folder, $XDG_DATA_HOME or ~/.local/share on
// Linux, %LOCALAPPDATA% on Windows.
QString perUserProgramFolder();

// Whether the user who runs the program may create files in the folder.
bool folderWritable(const QString& folder);

// The files shipped in the executable's output folder for a first trial: the sample background
// and the sample log.
QStringList sampleFileNames();

// The program folder for the user who runs the program: the executable's folder when the user may
// write there, otherwise the per-user folder. A per-user folder is prepared when chosen: it is
// made with its output folder, and every sample file of the executable's output folder that this
// output folder lacks is copied there (a file the user already has is kept). What cannot be made
// or copied is left: start-up tells about an output folder it cannot create, and a missing sample
// only leaves the first trial without it.
QString programFolderFor(const QString& executableFolder, bool executableFolderWritable, const QString& perUserFolder);

// The program folder of this run, chosen and prepared as above.
QString programFolderForThisUser();
