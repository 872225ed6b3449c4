#pragma once

class Program;

// The main window's "Sélectionnez": asks for an ADIF log, reads it into numbered lines appended
// to Liste_QSO of the picking window, and shows that window without blocking.
void Aff_QSO(Program& program);
