#include "support/test_store.h"

#include <QDir>
#include <QFile>
#include <QTest>

QString TestStore::blockSettingsFile() const
{
    const QString path = settingsFolder() + QStringLiteral("/E_QSL/E_QSL.ini");
    QFile::remove(path);
    QDir().mkpath(path);
    return QStringLiteral("Les réglages ne peuvent pas être enregistrés :\r\n") + QDir::toNativeSeparators(path) +
           QStringLiteral(" : un dossier porte ce nom\r\nLes choix faits restent en vigueur jusqu'à la fermeture du "
                          "programme.");
}

void TestStore::setStored(const QString& key, const QString& text)
{
    const Outcome saved = store.writeAtOnce(key, text);
    QVERIFY2(saved.ok(), qPrintable(saved.reason()));
}
