#include "card/card_composer.h"

#include "adif/adif_messages.h"
#include "layout/card_layout.h"

CardComposer::CardComposer(const CardLayout& layout, const QString& comment)
{
    for (int n = 1; n <= kPositionItemCount; ++n) {
        layout_.h[static_cast<size_t>(n - 1)] = layout.h(n);
        layout_.v[static_cast<size_t>(n - 1)] = layout.v(n);
    }
    for (int n = 1; n <= kTextSizeCount; ++n)
        layout_.textSize[static_cast<size_t>(n - 1)] = layout.textSize(n);
    for (int n = 1; n <= kLineWidthCount; ++n)
        layout_.lineWidth[static_cast<size_t>(n - 1)] = layout.lineWidth(n);
    for (int line = 1; line <= kSwitchCount; ++line) {
        layout_.colour[static_cast<size_t>(line - 1)] = layout.colourOf(line);
        layout_.lineOn[static_cast<size_t>(line - 1)] = layout.lineOn(line);
    }
    layout_.comment = comment;
}

CardSequence CardComposer::sequence(const CardFields& fields, bool french) const
{
    CardSequence card = layout_;
    card.callsign = fields.callsign;
    card.date = fields.date;
    card.time = fields.time;
    card.band = fields.band;
    card.mode = fields.mode;
    card.rst = fields.rst;
    card.qslReceived = fields.qslReceived == AdifText::QslYes;
    card.via = fields.via;
    card.french = french;
    return card;
}

void CardComposer::draw(DrawingSurface& surface, const CardFields& fields, bool french) const
{
    drawCardSequence(surface, sequence(fields, french));
}
