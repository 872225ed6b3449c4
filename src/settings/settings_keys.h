#pragma once

#include <QString>

// Where the program keeps its settings.
inline constexpr auto kApplicationName = "E_QSL";
inline constexpr auto kSectionName = "Setup ";

// Keys other than the 66 layout keys (layout/layout_schema.h).
namespace Key
{
inline const QString Commentaire = QStringLiteral("Commentaire");
inline const QString QslDeFond = QStringLiteral("QSL de fond");
inline const QString Language = QStringLiteral("Language");
inline const QString Revision = QStringLiteral("Revision");
inline const QString CheminRepertoire = QStringLiteral("Chemin Repertoire");
inline const QString CadreQso = QStringLiteral("Cadre_QSO");
inline const QString LaQsl = QStringLiteral("La QSL");
} // namespace Key

// Values of "Language".
inline const QString kLanguageFrench = QStringLiteral("Fr");
inline const QString kLanguageEnglish = QStringLiteral("Gb");

// The sample background, found through the current folder (the output folder).
inline const QString kSampleBackground = QStringLiteral("QSL_TRELUNE.jpg");
