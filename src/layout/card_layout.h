#pragma once

#include "settings/settings_keys.h"

#include <QString>
#include <QtGlobal>
#include <array>

class SettingsStore;

// The program-wide card layout: 66 signed 16-bit values (22 positions as horizontal and
// vertical percentages, 6 text sizes, 2 line widths, 7 switches, 7 colours), each known by
// its settings key and kept in the order of kLayoutKeys.
class CardLayout {
public:
    CardLayout();

    qint16 value(const QString& key) const;
    void setValue(const QString& key, qint16 value);

    qint16 at(int index) const { return values_[index]; }
    void setAt(int index, qint16 value) { values_[index] = value; }

    // Position of item 1 to 22.
    qint16 h(int item) const { return values_[2 * (item - 1)]; }
    qint16 v(int item) const { return values_[2 * (item - 1) + 1]; }

    // Sizes by their place in kSizeKeys: 0 "T Entete" ... 5 "T QSL", 6 "T Li1", 7 "T Li2".
    qint16 size(int index) const { return values_[44 + index]; }
    // Switch of card line 1 to 7 ("Aff L1" ... "Aff L7").
    qint16 switchOf(int cardLine) const { return values_[52 + cardLine - 1]; }
    bool lineOn(int cardLine) const { return switchOf(cardLine) == 1; }
    // Colour of card line 1 to 7 ("Coul L1" ... "Coul L4", "Coul Li1", "Coul Li2", "Coul L7").
    qint16 colourOf(int cardLine) const { return values_[59 + cardLine - 1]; }

    // Reads the 66 keys in the order of kLayoutKeys, each converted in the user's number format
    // and rounded halves to even; an absent key, or a text that cannot be converted into a signed
    // 16-bit value, gives the reader's default.
    void load(const SettingsStore& store, LayoutReader reader);

    bool operator==(const CardLayout&) const = default;

private:
    std::array<qint16, kLayoutKeyCount> values_{};
};
