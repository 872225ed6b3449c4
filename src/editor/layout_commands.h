#pragma once

class Program;
struct LayoutTexts;

// The main window's "Chargez": asks for a parameter file and applies its records in turn to the
// card layout, the background and the store; the last complete record stays. A file that cannot
// be opened, or that stops with a record that cannot be taken, is reported.
void loadParameterFile(Program& program);

// The editor's "Tester": checks the comment and every box, draws the sample card on the export
// window (created, its whole creation sequence run, when it does not exist yet) on the background
// named by "QSL de fond" (on a cleared card, told, when it cannot be loaded), stores every text and
// sets the saved-cards flag. Returns whether it did, so that the editor closes; a box the sample
// cannot use is told and nothing is drawn or stored.
bool testLayout(Program& program, const LayoutTexts& texts);

// The editor's "Enregistrer les paramètres": writes the editor's texts into the parameter file of
// the background named by "QSL de fond", in the program folder. A comment longer than 30
// characters, or a file that cannot be created, is reported and nothing is written.
void saveParameterFile(Program& program, const LayoutTexts& texts);
