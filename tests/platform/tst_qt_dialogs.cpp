#include "platform/qt_dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace
{

// The full path typed into the dialog's file name box, then "Open".
void typeAndOpen(QFileDialog& dialog, const QString& path)
{
    dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
    static_cast<QDialog&>(dialog).accept(); // what "Open" does
}

} // namespace

// The message boxes and open-file dialogs the user really sees: Qt's own, driven here as a user
// would while they are open.
class TestQtDialogs : public QObject
{
    Q_OBJECT
private slots:
    // As the program does at start-up: Qt's own texts in French.
    void initTestCase() { QVERIFY(installQtFrenchTranslations()); }

    void messageBoxHasTheTitleAndOneOkButton_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("one piece") << QStringLiteral("selectionnez un fichier ou quitter");
        QTest::newRow("two pieces") << QStringLiteral("Attention le N° de fin ne peut pas être\r\n"
                                                      "   inférieur au N° de la dernière ligne");
    }

    void messageBoxHasTheTitleAndOneOkButton()
    {
        QFETCH(QString, text);
        QString title;
        QString shown;
        QStringList buttons;
        bool modal = false;
        whenOpen<QMessageBox>([&](QMessageBox& box) {
            title = box.windowTitle();
            shown = box.text();
            modal = box.isModal();
            for (QAbstractButton* button : box.buttons())
                buttons << button->text().remove(QLatin1Char('&'));
            QTest::mouseClick(box.buttons().first(), Qt::LeftButton);
        });
        QtDialogs().message(text);
        QVERIFY(found_);
        QCOMPARE(title, QStringLiteral("ZELVANE_E_QSL"));
        QCOMPARE(shown, text);
        QVERIFY(modal);
        QCOMPARE(buttons, QStringList{QStringLiteral("OK")});
    }

    void openFileDialogOffersTheOneFilter()
    {
        QStringList filters;
        QFileDialog::FileMode mode = QFileDialog::AnyFile;
        whenOpen<QFileDialog>([&](QFileDialog& dialog) {
            filters = dialog.nameFilters();
            mode = dialog.fileMode();
            dialog.reject();
        });
        QtDialogs().openFile(QStringLiteral(".adi "), QStringLiteral("*.adi"));
        QVERIFY(found_);
        QCOMPARE(filters, QStringList{QStringLiteral(".adi (*.adi)")});
        QCOMPARE(mode, QFileDialog::ExistingFile);
    }

    // Qt's own texts of the file dialog, and of a text box's context menu, are French.
    void qtTextsAreFrench()
    {
        QStringList texts;
        whenOpen<QFileDialog>([&](QFileDialog& dialog) {
            texts << dialog.windowTitle();
            for (const char* name : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
                texts << dialog.findChild<QLabel*>(QString::fromLatin1(name))->text().remove(QLatin1Char('&'));
            const auto* buttons = dialog.findChild<QDialogButtonBox*>();
            for (auto which : {QDialogButtonBox::Open, QDialogButtonBox::Cancel})
                texts << buttons->button(which)->text().remove(QLatin1Char('&'));
            dialog.reject();
        });
        QtDialogs().openFile(QStringLiteral(".adi "), QStringLiteral("*.adi"));
        QVERIFY(found_);
        QLineEdit box;
        const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        for (const QAction* action : menu->actions())
            if (!action->isSeparator())
                texts << action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
        QCOMPARE(texts,
                 (QStringList{"Ouvrir", "Voir dans :", "Nom de fichier :", "Fichiers de type :", "Ouvrir", "Annuler",
                              "Annuler", "Rétablir", "Couper", "Copier", "Coller", "Supprimer", "Tout sélectionner"}));
    }

    void openFileDialogGivesTheChosenPath()
    {
        const QString path = existingFile(QStringLiteral("Mon journal été.adi"));
        whenOpen<QFileDialog>([&](QFileDialog& dialog) { typeAndOpen(dialog, path); });
        QCOMPARE(QtDialogs().openFile(QStringLiteral(".adi "), QStringLiteral("*.adi")), path);
        QVERIFY(found_);
    }

    // Cancelling gives an empty name, whatever was chosen in an earlier dialog of the same run.
    void cancelledOpenFileDialogGivesAnEmptyName()
    {
        const QString path = existingFile(QStringLiteral("fond.jpg"));
        QtDialogs dialogs;
        whenOpen<QFileDialog>([&](QFileDialog& dialog) { typeAndOpen(dialog, path); });
        QCOMPARE(dialogs.openFile(QStringLiteral(".jpg "), QStringLiteral("*.jpg")), path);

        whenOpen<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
        QCOMPARE(dialogs.openFile(QStringLiteral(".jpg "), QStringLiteral("*.jpg")), QString());
        QVERIFY(found_);
    }

private:
    // Runs `act` on the modal dialog of type Dialog once it is open; `found_` tells whether it was.
    template <typename Dialog> void whenOpen(std::function<void(Dialog&)> act)
    {
        found_ = false;
        // Looked for from inside the dialog's own event loop until it is up. A dialog that never
        // comes up is closed by no one, and the test's time limit ends the run.
        auto* poll = new QTimer(this);
        poll->setInterval(10);
        connect(poll, &QTimer::timeout, this, [this, poll, act] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            poll->stop();
            poll->deleteLater();
            found_ = true;
            act(*dialog);
        });
        poll->start();
    }

    // An empty file of that name in the test's folder.
    QString existingFile(const QString& name)
    {
        const QString path = dir_.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot create %s", qPrintable(path));
        return path;
    }

    bool found_ = false;
    QTemporaryDir dir_;
};

QTEST_MAIN(TestQtDialogs)
#include "tst_qt_dialogs.moc"
