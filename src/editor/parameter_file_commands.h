#pragma once

class Program;
struct LayoutTexts;

// The main window's "Chargez": asks for a parameter file and applies its records in turn to the
// card layout, the background and the store; the last complete record stays. A file that cannot
// be opened, or that stops with a record that cannot be taken, is reported.
void loadParameterFile(Program& program);

// The editor's "Enregistrer les paramètres": writes the editor's texts into the parameter file of
// the background named by "QSL de fond", in the program folder. A comment longer than 30
// characters, or a file that cannot be created, is reported and nothing is written.
void saveParameterFile(Program& program, const LayoutTexts& texts);
