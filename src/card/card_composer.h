#pragma once

#include "card/card_fields.h"
#include "layout/card_sequence.h"

class CardLayout;
class DrawingSurface;

// Draws exported cards: the card layout's values and the comment, with one QSO's fields and
// the card language, through the one drawing sequence shared with the editor's sample.
class CardComposer
{
public:
    CardComposer(const CardLayout& layout, const QString& comment);

    // The drawing of one card.
    CardSequence sequence(const CardFields& fields, bool french) const;

    // Draws one card on the surface; it neither saves nor clears it.
    void draw(DrawingSurface& surface, const CardFields& fields, bool french) const;

private:
    CardSequence layout_; // positions, sizes, colours, switches and comment; no QSO yet
};
