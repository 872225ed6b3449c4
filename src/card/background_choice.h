#pragma once

class Program;

// The background choice of the main window's menu "Fond QSL": asks for a JPEG file, shows it at
// once on the export window (creating that window first when needed), records it as
// "QSL de fond" with "Cadre_QSO", enables "Sélectionnez" and clears the saved-cards flag.
// A cancelled dialog, or a file that is not a readable picture, is told and changes nothing.
void MNU_New_QSL(Program& program);
