#pragma once

class Dialogs;
class SelectQsoWindow;

// Where the log reading finds the picking window: the existing one, or one created (not shown)
// on first use.
class PickingWindows
{
public:
    virtual SelectQsoWindow* existingSelectQso() = 0;
    virtual SelectQsoWindow& selectQso() = 0;

protected:
    ~PickingWindows() = default;
};

// The main window's "Sélectionnez": asks for an ADIF log, reads it into numbered lines appended
// to Liste_QSO of the picking window, and shows that window without blocking. When lines ended by
// LF alone made records run together (reading with LF alone as a line end too would list more),
// the picking window offers that reading in place of this one: under the no-QSO text of the empty
// list, or under the list's lines, then told by a message too.
void Aff_QSO(Dialogs& dialogs, PickingWindows& windows);
