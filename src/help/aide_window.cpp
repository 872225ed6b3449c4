#include "help/aide_window.h"

#include "platform/window_controls.h"
#include "platform/window_geometry.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

const std::vector<AideWindow::Line>& AideWindow::lines()
{
    using K = LineKind;
    static const std::vector<Line> page = {
        {K::Title, "Mode d'emploi"},
        {K::Heading, "Quitter"},
        {K::Body, "     Quitter le programme ZELVANE_E_QSL."},
        {K::Heading, "Fond QSL"},
        {K::Body, "     Pour pouvoir utiliser le programme vous devez selectionner une QSL dans \"Fond QSL\"."},
        {K::Body, "     Votre QSL doit etre de type Jpg et au format  530 x 340 pixels."},
        {K::Body,
         "     Pour tester le programme vous pouvez utiliser la QSL \"ZELVANE_QSL\" que vous pourrez remplacer"},
        {K::Body, "     par la suite par la votre en cliquant sur \"Fond_QSL\"."},
        {K::Heading, "Edition de la QSL"},
        {K::Body, "     Vous pouvez déplacer tous les champs d'un QSO sur la QSL et choisir la taille de la police."},
        {K::Body, "     ainsi que sa couleur."},
        {K::Body, "     Vous pouvez ajouter un champs \"Commentaire\"."},
        {K::Body, "     4 cases à cocher permettent  de sélectionner les lignes à afficher."},
        {K::Body,
         "     Le bouton \"Tester\" permet de voir les modifications effectués sur la QSL et de les mémoriser."},
        {K::Body, "     Le bouton \"Enregistrez les parametres\" sauvegarde les paramètres d'une  QSL"},
        {K::Body, "     que vous pourrez recupérer avec le bouton \"Charger\"."},
        {K::Heading, "Aide"},
        {K::Body, "    Cette page."},
        {K::Heading, "Sélectionnez"},
        {K::Body, "     Le bouton \"sélectionnez\" vous permet de choisir un fichier ADIF."},
        {K::Body, "     Apres sélection des QSO cliquez sur \"Enregistrer les QSL\"."},
        {K::Body, "     Les QSL enregistrées se trouvent dans le répertoire \"ZELVANE_E_QSL\" dossier \"E_QSL\"."},
        {K::Heading, "Chargez"},
        {K::Body, "     Le bouton \"Chargez\" vous permet de récuperer les paramétres d'une QSL déja éditée"},
    };
    return page;
}

AideWindow::AideWindow(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Aide"));
    setWindowTitle(QStringLiteral("Mode d'emploi"));

    QVBoxLayout* outer = addWindowContent(*this);
    QFrame* titleBand = addFrame(this, "Frame1");
    auto* titleLayout = new QVBoxLayout(titleBand);
    QFrame* body = addFrame(this, "Frame2");
    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->setSpacing(0);
    outer->addWidget(titleBand);
    outer->addWidget(body);

    QFont normal = font();
    normal.setPointSizeF(kDialogPoints);
    QFont heading = normal;
    heading.setBold(true);
    QFont title = heading;
    title.setPointSize(12);

    int number = 0;
    for (const Line& line : lines()) {
        auto* label = new QLabel(QString::fromUtf8(line.text));
        nameControl(*label, QStringLiteral("Label%1").arg(++number), label->text());
        label->setTextFormat(Qt::PlainText);
        switch (line.kind) {
        case LineKind::Title:
            label->setFont(title);
            label->setAlignment(Qt::AlignCenter);
            titleLayout->addWidget(label);
            continue;
        case LineKind::Heading:
            label->setFont(heading);
            // Each section starts about one and a half line heights below the previous one.
            if (bodyLayout->count() > 0)
                bodyLayout->addSpacing(QFontMetrics(heading).height() / 2);
            break;
        case LineKind::Body: label->setFont(normal); break;
        }
        bodyLayout->addWidget(label);
    }
    bodyLayout->addStretch();
    adjustSize();
    setFixedSize(sizeHint());
    placeOnScreen(*this);
}
