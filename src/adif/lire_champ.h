#pragma once

#include <QString>
#include <QStringView>
#include <QVarLengthArray>

// An upper-cased record text with the places of its "<" found once: the dozen fields read from a
// record are each searched from its start, and looking only at those places spares going through
// the whole text again for every field.
class RecordText
{
public:
    explicit RecordText(QStringView text);

    QStringView text() const { return text_; }

    // The first occurrence of the tag in the text, or -1: the same as findTag from the start.
    qsizetype find(QStringView tag) const;

private:
    // A longer text (never a real record) is searched as it is, so that its places cost no memory.
    static constexpr qsizetype kLongestIndexed = 1 << 16;

    QStringView text_;
    QVarLengthArray<qsizetype, 32> opens_; // where each "<" stands, in order
};

// The value of one ADIF field found by plain text search in an upper-cased record text: from the
// first occurrence of the tag (such as "<CALL"), past the next ">", up to the next "<", with the
// blanks around it removed. The length specifier is not used: the value always runs to the
// next "<".
//
// The value is a view into the record text. It is empty when the field is absent, and also when
// the tag has no ">" after it or the value no "<" after it (only possible in the text after an
// "<EOR>"): such a field is taken as absent like any other, so the record still gets its
// placeholder.
QStringView Lire_Champ(QStringView record, QStringView tag);
QStringView Lire_Champ(const RecordText& record, QStringView tag);

// The position of the first occurrence of a text in a record from `from` on, or -1: a plain
// substring search, made quick for ADIF tags by looking only where a "<" stands.
qsizetype findTag(QStringView record, QStringView tag, qsizetype from = 0);
