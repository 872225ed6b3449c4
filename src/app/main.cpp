#include "app/main_window.h"
#include "app/running_program.h"
#include "platform/fonts.h"
#include "platform/program_folder.h"
#include "platform/qt_dialogs.h"
#include "settings/settings_store.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    ignoreRelativeXdgFolders();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZELVANE_E_QSL"));
    installFontSubstitutions();

    SettingsStore store;
    QtDialogs dialogs;
    RunningProgram program(store, dialogs, programFolderForThisUser());
    program.onEnd([] { QApplication::quit(); });
    MainWindow& main = program.start();
    main.show();
    return QApplication::exec();
}
