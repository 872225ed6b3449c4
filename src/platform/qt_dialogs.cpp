#include "platform/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

QtDialogs::QtDialogs()
{
    // Once for the run; without Qt's translations installed, Qt's texts stay in English.
    [[maybe_unused]] static const bool french = installQtFrenchTranslations();
}

void QtDialogs::message(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kProgramTitle), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

QString QtDialogs::openFile(const QString& description, const QString& pattern)
{
    const QString filter = QStringLiteral("%1(%2)").arg(description, pattern);
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), QString(), filter);
}

bool installQtFrenchTranslations()
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
