#pragma once

#include "layout/layout_schema.h"

#include "settings/settings_keys.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <array>
#include <utility>

class SettingsBatch;
class SettingsStore;

// The layout as the editor holds it: texts exactly as typed, one per layout key (in the order of
// kLayoutValues), and the comment. A switch holds the text of its check box state: "0" clear,
// "1" ticked, "2" greyed (which counts as off).
struct LayoutTexts {
    std::array<QString, kLayoutValueCount> values;
    QString comment;

    const QString& text(const QString& key) const;
    void setText(const QString& key, const QString& text);

    bool operator==(const LayoutTexts&) const = default;
};

// The comment printed on a card holds at most this many characters, counted as the user sees
// them: code points, so that a letter outside the basic plane (an emoji) counts as one.
inline constexpr int kCommentMaxLength = 30;

inline bool commentTooLong(const QString& comment)
{
    return comment.toUcs4().size() > kCommentMaxLength;
}

// The check box state (0, 1 or 2) a stored switch text gives: the text as a 16-bit number.
// A text that is not a number, or a number that no check box can show, gives the fallback.
int checkStateFromText(const QString& text, int fallback, const QLocale& locale = QLocale());

// What the editor's load step puts into its boxes: each stored text unchanged, or the editor's
// default written in the user's number format (91,5 under a French format) when the key is absent;
// each switch as its check box state.
LayoutTexts readEditorTexts(const SettingsStore& store, const QLocale& locale = QLocale());

// The (key, text) pairs in the order the editor's validation writes them: "Pose V1" ... "Pose V22",
// "Pose H1" ... "Pose H22", sizes, switches, colours, then "Commentaire".
QList<std::pair<QString, QString>> editorStoreEntries(const LayoutTexts& texts);

// Writes every value in that order, texts as typed.
void writeEditorTexts(SettingsBatch& batch, const LayoutTexts& texts);
