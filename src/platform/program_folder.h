#pragma once

#include <QString>

// The folder that holds the program's executable.
QString executableFolder();

// The folder name of the output folder, under the program folder.
inline constexpr auto kOutputFolderName = "E_QSL";

// A path made of a folder and a name, written with the platform's separator.
QString joinPath(const QString& folder, const QString& name);
