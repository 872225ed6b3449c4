#pragma once

#include <QStringView>

// The text without the space characters around it; other blanks (tabs, line ends) stay, as the
// log programs and the picked lines pad with spaces only.
QStringView trimBlanks(QStringView text);
