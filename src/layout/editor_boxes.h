#pragma once

#include "layout/layout_schema.h"

#include <QString>

// The editor's box of each layout key (index into kLayoutValues): its object name ("PH8", "PV8",
// "PT1", "SL1", "C1") and a few French words that tell the user which box it is in messages.
QString editorBoxName(int keyIndex);
QString editorBoxDescription(int keyIndex);

// The object name of the comment box.
inline const QString kCommentBoxName = QStringLiteral("CommentX");
