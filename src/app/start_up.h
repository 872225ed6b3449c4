#pragma once

class Program;

// What the start-up found, for the main window to show.
struct StartUpState {
    bool french = true;           // the card language: "Français" ticked
    bool backgroundKnown = false; // "Sélectionnez" enabled
};

// The start-up steps that need no window, in order: the layout with the start-up defaults, the
// comment printed on the cards, the output folder made the current folder (created when missing),
// the card language, the background (without one, the first-use message), then where the program
// is and which revision ran last.
StartUpState runStartUp(Program& program);
