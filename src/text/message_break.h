#pragma once

#include <QString>

// The line break between the two pieces of a two-piece message.
inline const QString kMessageBreak = QStringLiteral("\r\n");
