#pragma once

#include "layout/layout_schema.h"

#include "settings/settings_keys.h"

#include <QString>
#include <QtGlobal>
#include <array>

class SettingsStore;

// The program-wide card layout: one signed 16-bit value per row of kLayoutValues (positions as
// horizontal and vertical percentages, text sizes, line widths, switches, colours), each known by
// its settings key and kept in the order of the table.
class CardLayout
{
public:
    CardLayout();

    qint16 value(const QString& key) const;
    void setValue(const QString& key, qint16 value);

    qint16 at(int index) const { return values_[index]; }
    void setAt(int index, qint16 value) { values_[index] = value; }

    // Position of item 1 to 22.
    qint16 h(int item) const { return values_[layoutIndex(LayoutKind::Position, item, 'H')]; }
    qint16 v(int item) const { return values_[layoutIndex(LayoutKind::Position, item, 'V')]; }

    // Text size 1 to 6 ("T Entete" ... "T QSL"), line width 1 and 2 ("T Li1", "T Li2").
    qint16 textSize(int number) const { return values_[layoutIndex(LayoutKind::Size, number)]; }
    qint16 lineWidth(int number) const { return values_[layoutIndex(LayoutKind::Width, number)]; }
    // Switch of card line 1 to 7 ("Aff L1" ... "Aff L7").
    qint16 switchOf(int cardLine) const { return values_[layoutIndex(LayoutKind::Switch, cardLine)]; }
    bool lineOn(int cardLine) const { return switchOf(cardLine) == 1; }
    // Colour of card line 1 to 7 ("Coul L1" ... "Coul L4", "Coul Li1", "Coul Li2", "Coul L7").
    qint16 colourOf(int cardLine) const { return values_[layoutIndex(LayoutKind::Colour, cardLine)]; }

    // Reads every key in the order of kLayoutValues, each converted in the user's number format
    // and rounded halves to even; an absent key, or a text that cannot be converted into a signed
    // 16-bit value, gives the reader's default.
    void load(const SettingsStore& store, LayoutReader reader);

    bool operator==(const CardLayout&) const = default;

private:
    std::array<qint16, kLayoutValueCount> values_{};
};
