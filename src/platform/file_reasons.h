#pragma once

#include <QString>

// Why a file could not be used, in the words the program tells the user.
namespace FileReason
{
inline const QString NoSuchFile = QStringLiteral("le fichier n'existe pas");
inline const QString NoSuchFolder = QStringLiteral("le dossier n'existe pas");
inline const QString FolderCannotBeCreated = QStringLiteral("son dossier ne peut pas être créé");
inline const QString FolderCannotBeMade = QStringLiteral("le dossier ne peut pas être créé");
inline const QString IsAFile = QStringLiteral("un fichier porte ce nom");
inline const QString IsAFolder = QStringLiteral("un dossier porte ce nom");
inline const QString CannotRead = QStringLiteral("le fichier ne peut pas être lu");
inline const QString CannotCreate = QStringLiteral("le fichier ne peut pas être créé dans ce dossier");
inline const QString CannotWrite = QStringLiteral("l'écriture du fichier a échoué");
inline const QString CannotReplace = QStringLiteral("le fichier ne peut pas être remplacé");
inline const QString NotAPicture = QStringLiteral("le fichier n'est pas une image lisible");
// %1 x %2: the picture's size in pixels.
inline const QString PictureTooLarge = QStringLiteral("l'image est trop grande pour être lue (%1 x %2 pixels)");
inline const QString NotARegularFile = QStringLiteral("ce n'est pas un fichier ordinaire");
inline const QString ForbiddenCharacter = QStringLiteral("le nom du fichier contient un caractère interdit");
inline const QString DiskFull = QStringLiteral("le disque est plein");
inline const QString QuotaReached = QStringLiteral("le quota de l'utilisateur sur ce disque est atteint");
inline const QString MediumFailed = QStringLiteral("le support de stockage signale une erreur d'écriture");
inline const QString ReadOnlyMedium = QStringLiteral("le support de stockage est en lecture seule");
inline const QString AccessDenied = QStringLiteral("l'accès au fichier est refusé");
inline const QString NameTooLong = QStringLiteral("le nom du fichier est trop long");
inline const QString PictureDamaged = QStringLiteral("l'image est incomplète ou abîmée");
inline const QString PictureTooManyScans = QStringLiteral("l'image est faite de trop de passes pour être lue");
// %1: the number of colour components the picture declares.
inline const QString PictureTooManyComponents =
    QStringLiteral("l'image a trop de composantes de couleur pour être lue (%1)");
inline const QString PictureCodingUnsupported = QStringLiteral(
    "l'image est d'un codage JPEG que le programme ne lit pas (arithmétique, sans perte ou hiérarchique)");
// A text file larger than what it may hold; %1: its largest size in kilobytes.
inline const QString FileTooLarge = QStringLiteral("le fichier est trop grand (plus de %1 Ko)");
} // namespace FileReason

// Whether a file name (one name, not a path) holds a character the system forbids in names: NUL
// everywhere; on Windows also < > : " / \ | ? * and the control characters, which Windows would
// refuse or read as a folder, a drive or a stream of another file.
bool hasForbiddenNameCharacter(const QString& name);

// Whether a path holds a character no path may hold: NUL anywhere (it would cut the name short, so
// that another file would be written), or a character the system forbids in its last name.
bool hasForbiddenCharacter(const QString& path);

// A path as a message shows it: with the platform's separators, a NUL shown as "\0" (it would end
// the message there), and a path longer than a file system allows cut in its middle.
QString displayedPath(const QString& path);

// Makes displayedPath() and namedPath() give paths under `alias` (a path the program uses for a
// folder whose name Qt cannot give) under `shown` instead.
void showFolderAs(const QString& alias, const QString& shown);

// A path under the name of its folder rather than the folder's alias: what the settings keep of a
// path, which must mean the same folder in the next run.
QString namedPath(const QString& path);

// Why a file cannot be read: empty for a regular file (or a link to one), else the reason. A FIFO,
// a device or a socket is refused before it is opened, since opening one may wait for ever.
QString whyNotARegularFile(const QString& path);

// Why a file that could not be opened for reading cannot be read.
QString whyCannotRead(const QString& path);

// The reason for a system error number met while writing a file; `otherwise` for the errors that
// have no words of their own.
QString reasonForError(int error, const QString& otherwise);

// Why a file that could not be opened for writing cannot be created.
QString whyCannotCreate(const QString& path);
