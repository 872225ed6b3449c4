#include "help/aide_window.h"
#include "support/test_environment.h"

#include <QAction>
#include <QLabel>
#include <QTest>

namespace
{

// The page as the user must read it: (bold, text), title first.
const QList<QPair<bool, QString>> kExpectedPage = {
    {true, "Mode d'emploi"},
    {true, "Quitter"},
    {false, "     Quitter le programme ZELVANE_E_QSL."},
    {true, "Fond QSL"},
    {false, "     Pour pouvoir utiliser le programme vous devez selectionner une QSL dans \"Fond QSL\"."},
    {false, "     Votre QSL doit etre de type Jpg et au format  530 x 340 pixels."},
    {false, "     Pour tester le programme vous pouvez utiliser la QSL \"ZELVANE_QSL\" que vous pourrez remplacer"},
    {false, "     par la suite par la votre en cliquant sur \"Fond_QSL\"."},
    {true, "Edition de la QSL"},
    {false, "     Vous pouvez déplacer tous les champs d'un QSO sur la QSL et choisir la taille de la police."},
    {false, "     ainsi que sa couleur."},
    {false, "     Vous pouvez ajouter un champs \"Commentaire\"."},
    {false, "     4 cases à cocher permettent  de sélectionner les lignes à afficher."},
    {false, "     Le bouton \"Tester\" permet de voir les modifications effectués sur la QSL et de les mémoriser."},
    {false, "     Le bouton \"Enregistrez les parametres\" sauvegarde les paramètres d'une  QSL"},
    {false, "     que vous pourrez recupérer avec le bouton \"Charger\"."},
    {true, "Aide"},
    {false, "    Cette page."},
    {true, "Sélectionnez"},
    {false, "     Le bouton \"sélectionnez\" vous permet de choisir un fichier ADIF."},
    {false, "     Apres sélection des QSO cliquez sur \"Enregistrer les QSL\"."},
    {false, "     Les QSL enregistrées se trouvent dans le répertoire \"ZELVANE_E_QSL\" dossier \"E_QSL\"."},
    {true, "Chargez"},
    {false, "     Le bouton \"Chargez\" vous permet de récuperer les paramétres d'une QSL déja éditée"},
};

QList<QLabel*> labelsTopToBottom(QWidget& window)
{
    QList<QLabel*> labels = window.findChildren<QLabel*>();
    std::sort(labels.begin(), labels.end(),
              [&](QLabel* a, QLabel* b) { return a->mapTo(&window, QPoint()).y() < b->mapTo(&window, QPoint()).y(); });
    return labels;
}

} // namespace

class TestAideWindow : public QObject
{
    Q_OBJECT
private slots:
    void showsEveryLineInItsFontWithinTheWindow()
    {
        AideWindow window;
        window.show();
        const QList<QLabel*> labels = labelsTopToBottom(window);
        QCOMPARE(labels.size(), kExpectedPage.size());
        for (int i = 0; i < labels.size(); ++i) {
            QCOMPARE(labels[i]->text(), kExpectedPage[i].second);
            QCOMPARE(labels[i]->font().bold(), kExpectedPage[i].first);
            QCOMPARE(labels[i]->accessibleName(), kExpectedPage[i].second);
        }
        QCOMPARE(window.windowTitle(), QStringLiteral("Mode d'emploi"));
        // The title is larger than the headings, which have the body's size; every line fits the window.
        QCOMPARE(labels[0]->font().pointSizeF(), 12.0);
        QVERIFY(labels[1]->font().pointSizeF() < 12.0);
        QCOMPARE(labels[2]->font().pointSizeF(), labels[1]->font().pointSizeF());
        for (const QLabel* label : labels) {
            const QRect place(label->mapTo(&window, QPoint()), label->size());
            QVERIFY2(window.rect().contains(place), qPrintable(label->text()));
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->text()));
        }
    }

    void staysFrenchWhenTheCardLanguageChanges()
    {
        TestEnvironment env;
        env.start().findChild<QAction*>(QStringLiteral("Mnu_L_Anglais"))->trigger();
        AideWindow& help = env.program().help();
        help.show();
        QCOMPARE(labelsTopToBottom(help).at(2)->text(), kExpectedPage[2].second);
    }
};

QTEST_MAIN(TestAideWindow)
#include "tst_aide_window.moc"
