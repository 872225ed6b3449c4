#pragma once

#include <QString>
#include <QStringList>

// Cases written in the text files of a data folder, each a paragraph "case NAME" followed by one
// command a line, run through the program's windows as a user works them: clicks, keys and
// menus, then checks of what the windows show. The commands, and the checks of "expect", are the
// tables kVerbs and kChecks of script_runner.cpp, each row with what it does.

// One row per case of the folder's "*.txt" files, with the columns "folder" and "commands".
void addScriptRows(const QString& folder);

// Runs one case in a program of its own; the first command that fails ends it.
void runScript(const QString& folder, const QStringList& commands);
