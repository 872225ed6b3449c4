#include "platform/fonts.h"

#include <QFont>
#include <QStringList>

void installFontSubstitutions()
{
    QFont::insertSubstitutions(QString::fromLatin1(kCardFace), QStringList{QStringLiteral("Comic Neue")});
    QFont::insertSubstitutions(QString::fromLatin1(kListFace),
                               QStringList{QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Noto Sans Mono"),
                                           QStringLiteral("Liberation Mono"), QStringLiteral("Monospace")});
}
