#pragma once

// The faces the program asks for by name, and what stands in for them where they are missing.
inline constexpr auto kCardFace = "Comic Sans MS";  // printed on the cards
inline constexpr auto kListFace = "Lucida Console"; // the fixed-pitch QSO lists

// "Comic Sans MS" falls back to "Comic Neue", "Lucida Console" to a monospace face.
void installFontSubstitutions();
