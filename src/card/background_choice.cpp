#include "card/background_choice.h"

#include "platform/dialogs.h"
#include "platform/file_reasons.h"
#include "platform/image_surface.h"
#include "platform/program_folder.h"
#include "program/program.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"

#include <QDir>
#include <QImage>

namespace
{

const QString kFilterDescription = QStringLiteral(".jpg ");
const QString kFilterPattern = QStringLiteral("*.jpg");
const QString kUnreadablePicture = QStringLiteral("Ce fichier ne peut pas servir de fond de QSL :");
const QString kCadreQsoName = QStringLiteral("Cadre_QSO.jpg");

void tellUnreadable(Program& program, const QString& path, const QString& reason)
{
    program.dialogs().message(kUnreadablePicture + kMessageBreak + displayedPath(path) + QStringLiteral(" : ") +
                              reason);
}

} // namespace

void MNU_New_QSL(Program& program)
{
    // 1. The program folder.
    const QString programFolder = program.programFolder();

    // 2, 3. The file; nothing chosen changes nothing.
    const QString path = program.dialogs().openFile(kFilterDescription, kFilterPattern);
    if (path.isEmpty()) {
        program.dialogs().message(kNothingChosen);
        return;
    }

    // A file that is not a picture is refused before anything, the export window included, is touched.
    QImage picture;
    if (const Outcome read = ImageSurface::readPicture(path, picture); !read.ok()) {
        tellUnreadable(program, path, read.reason());
        return;
    }

    // 4.1 On the export window, created first (its whole creation sequence) when needed.
    if (const Outcome loaded = program.exportSurface().loadPicture(path); !loaded.ok()) {
        tellUnreadable(program, path, loaded.reason());
        return;
    }

    // 4.2 to 4.5.
    {
        SettingsBatch batch(program.store(), program.dialogs());
        batch.write(Key::QslDeFond, path);
        batch.write(Key::CadreQso, joinPath(namedPath(programFolder), kCadreQsoName));
    }
    program.enableSelection();
    program.setMsgQslEnregistrees(0);
}
