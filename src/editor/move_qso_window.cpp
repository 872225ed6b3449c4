#include "editor/move_qso_window.h"

#include "editor/layout_commands.h"
#include "layout/editor_boxes.h"
#include "layout/layout_schema.h"
#include "platform/window_controls.h"
#include "platform/window_geometry.h"
#include "program/program.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

// One column of position boxes: its caption (none for a row of a single item) and its item.
struct GridColumn {
    const char* caption;
    int item;
};

// One row of the editor's grid, top to bottom.
struct GridRow {
    const char* caption;
    const char* switchBox;                        // its check box; "" where the row shares the one above
    bool switchSpansNextRow;                      // the shared check box stands between this row and the next
    std::array<GridColumn, 7> columns;            // item 0 ends the row
    const char* colourBox;                        // "" for none
    const char* sizeBox;                          // "" for none
    std::array<const char*, 2> sizesUnderColumns; // sizes in a "Taille" row under the first columns
    bool commentBox;                              // "Commentaire (30 caractères maxi)" over CommentX
    bool colourLegend;                            // the colour codes stand beside this row and the next
};

// clang-format off
constexpr std::array<GridRow, 8> kGridRows = {{
    {"Position des champs ligne entête", "SL1", false,
     {{{"Pour", 8}, {"QSL via", 14}, {"Date", 9}, {"Heure", 10}, {"Bande", 11}, {"Mode", 12}, {"RST", 13}}},
     "C1", "PT1", {"", ""}, false, false},
    {"Position des champs  ligne QSO", "SL2", false,
     {{{"Call", 1}, {"Via", 15}, {"Date", 2}, {"Heure", 3}, {"Bande", 4}, {"Mode", 5}, {"RST", 6}}},
     "C2", "PT2", {"PT3", "PT4"}, false, false},
    {"Position ligne Merci pour le QSO", "SL3", true, {{{"", 7}}}, "C3", "PT6", {"", ""}, false, true},
    {"Position ligne Pse QSL    73", "", false, {{{"", 17}}}, "", "", {"", ""}, false, false},
    {"Position de la ligne commentaire", "SL4", false, {{{"", 16}}}, "C4", "PT5", {"", ""}, true, false},
    {"Position d'une ligne (N°1)", "SL5", false, {{{"Debut", 18}, {"Fin", 19}}}, "C5", "PT7", {"", ""}, false, false},
    {"Position d'une ligne (N°2)", "SL6", false, {{{"Debut", 20}, {"Fin", 21}}}, "C6", "PT8", {"", ""}, false, false},
    {"Position du X pour case à cocher", "SL7", false, {{{"", 22}}}, "C7", "", {"", ""}, false, false},
}};
// clang-format on

namespace
{

// Texts around the grid.
const QString kTitle = QStringLiteral("Positionnement des champs sur la QSL");
const QString kTopLeftHint = QStringLiteral("Position en haut à gauche de la QSL : H = 0  et V= 0");
const QString kBottomRightHint = QStringLiteral("Position en bas à droite de la QSL : H = 100 V = 100");
const QString kDecimalHint = QStringLiteral("Utilisation d'une décimale possible avec une virgule ");
const QString kNoPointHint = QStringLiteral("( pas le point )");
const QString kTickHint = QStringLiteral("Cocher les lignes à afficher");
const QString kColourCaption = QStringLiteral("Couleur");
const QString kSizeCaption = QStringLiteral("Taille");
const QString kCommentCaption = QStringLiteral("Commentaire (30 caractères maxi)");
const std::array<QString, 3> kColourLegend = {QStringLiteral("Codes des couleurs"),
                                              QStringLiteral("Noir=0  Vert=2  Bleu=9  "),
                                              QStringLiteral(" Rouge=12  Jaune=14  Blanc=15")};

// The buttons along the bottom edge, left to right.
struct ButtonRow {
    const char* name;
    const char* caption;
    void (MoveQsoWindow::*click)();
};
constexpr std::array<ButtonRow, 3> kButtons = {{
    {"Tester", "Tester", &MoveQsoWindow::Tester_Click},
    {"Quitter", "Quitter", &MoveQsoWindow::Quitter_Click},
    {"Enregistrement", "Enregistrer les paramètres", &MoveQsoWindow::Enregistrement_Click},
}};

// Grid columns.
constexpr int kSwitchColumn = 0;
constexpr int kCaptionColumn = 1;
constexpr int kAxisColumn = 2;
constexpr int kFirstBoxColumn = 3;
constexpr int kColourColumn = kFirstBoxColumn + 7;
constexpr int kSizeColumn = kColourColumn + 1;

constexpr int kNumberBoxWidth = 52;
constexpr int kGroupSpacing = 8;

// A text box without a caption of its own: its object name is its accessible name.
QLineEdit* addBox(QWidget* parent, const QString& name)
{
    auto* box = new QLineEdit(parent);
    nameControl(*box, name);
    box->setFixedWidth(kNumberBoxWidth);
    return box;
}

QString fromUtf8(const char* text)
{
    return QString::fromUtf8(text);
}

bool present(const char* box)
{
    return *box != '\0';
}

// The check box states the editor stores: 0 clear, 1 ticked, 2 greyed.
Qt::CheckState checkStateOf(const QString& text)
{
    if (text == QLatin1String("1"))
        return Qt::Checked;
    if (text == QLatin1String("2"))
        return Qt::PartiallyChecked;
    return Qt::Unchecked;
}

QString textOf(Qt::CheckState state)
{
    switch (state) {
    case Qt::Unchecked: return QStringLiteral("0");
    case Qt::Checked: return QStringLiteral("1");
    case Qt::PartiallyChecked: return QStringLiteral("2");
    }
    return QStringLiteral("0");
}

} // namespace

MoveQsoWindow::MoveQsoWindow(Program& program, QWidget* parent) : QWidget(parent), program_(program)
{
    setObjectName(QStringLiteral("Move_QSO"));
    setWindowTitle(QStringLiteral("Edition de la QSL"));
    buildControls();

    // The load step: centred, then the boxes from the store with the editor's defaults.
    adjustSize();
    placeOnScreen(*this);
    showTexts(readEditorTexts(program_.store()));
}

void MoveQsoWindow::buildControls()
{
    QVBoxLayout* outer = addWindowContent(*this);

    QFrame* titleFrame = addFrame(this, "Cadre_Titre");
    auto* titleLayout = new QHBoxLayout(titleFrame);
    QLabel* title = addLabel(titleFrame, QStringLiteral("Titre"), kTitle);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->setAlignment(Qt::AlignCenter);
    titleLayout->addWidget(title);
    outer->addWidget(titleFrame);

    QFrame* gridFrame = addFrame(this, "Cadre_Grille");
    auto* frameLayout = new QVBoxLayout(gridFrame);
    frameLayout->addWidget(addLabel(gridFrame, QStringLiteral("Aide_Haut_Gauche"), kTopLeftHint));
    frameLayout->addWidget(addLabel(gridFrame, QStringLiteral("Aide_Bas_Droite"), kBottomRightHint));
    auto* decimalLine = new QHBoxLayout;
    decimalLine->addWidget(addLabel(gridFrame, QStringLiteral("Aide_Decimale"), kDecimalHint));
    decimalLine->addWidget(addLabel(gridFrame, QStringLiteral("Aide_Pas_Le_Point"), kNoPointHint));
    decimalLine->addStretch();
    frameLayout->addLayout(decimalLine);
    frameLayout->addLayout(buildGrid());
    outer->addWidget(gridFrame);

    auto* buttons = new QHBoxLayout;
    for (const ButtonRow& entry : kButtons) {
        QPushButton* button = addButton(this, entry.name, fromUtf8(entry.caption));
        connect(button, &QPushButton::clicked, this, entry.click);
        buttons->addWidget(button);
    }
    outer->addLayout(buttons);
}

QGridLayout* MoveQsoWindow::buildGrid()
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);

    int gridRow = 0;
    grid->addWidget(addLabel(this, QStringLiteral("Aide_Cocher"), kTickHint), gridRow++, kSwitchColumn, 1, 2);
    for (std::size_t r = 0; r < kGridRows.size(); ++r) {
        const GridRow& row = kGridRows[r];
        const QString rowName = QStringLiteral("Ligne%1").arg(r + 1);
        if (hasCaptions(row))
            addCaptions(*grid, row, rowName, gridRow++);
        // The row's two lines, H then V.
        addPositions(*grid, row, rowName, gridRow);
        addValueBoxes(*grid, row, gridRow);
        addSwitch(*grid, row, gridRow);
        gridRow += 2;
        if (present(row.sizesUnderColumns[0]))
            addSizesUnderColumns(*grid, row, rowName, gridRow++);
        // A little room between the groups; the two thanks rows stay together.
        if (!row.switchSpansNextRow)
            grid->setRowMinimumHeight(gridRow++, kGroupSpacing);
    }
    return grid;
}

bool MoveQsoWindow::hasCaptions(const GridRow& row)
{
    bool captions = present(row.colourBox) || present(row.sizeBox) || row.commentBox;
    for (const GridColumn& column : row.columns)
        captions = captions || (column.item != 0 && *column.caption != '\0');
    return captions;
}

void MoveQsoWindow::addCaptions(QGridLayout& grid, const GridRow& row, const QString& rowName, int gridRow)
{
    for (std::size_t c = 0; c < row.columns.size() && row.columns[c].item != 0; ++c)
        if (*row.columns[c].caption != '\0')
            grid.addWidget(addLabel(this, QStringLiteral("%1_Colonne%2").arg(rowName).arg(c + 1),
                                    fromUtf8(row.columns[c].caption)),
                           gridRow, kFirstBoxColumn + static_cast<int>(c));
    if (row.commentBox)
        grid.addWidget(addLabel(this, QStringLiteral("%1_Commentaire").arg(rowName), kCommentCaption), gridRow,
                       kFirstBoxColumn + 2, 1, 5);
    if (present(row.colourBox))
        grid.addWidget(addLabel(this, QStringLiteral("%1_Couleur").arg(rowName), kColourCaption), gridRow,
                       kColourColumn);
    if (present(row.sizeBox))
        grid.addWidget(addLabel(this, QStringLiteral("%1_Taille").arg(rowName), kSizeCaption), gridRow, kSizeColumn);
}

void MoveQsoWindow::addPositions(QGridLayout& grid, const GridRow& row, const QString& rowName, int hRow)
{
    const int vRow = hRow + 1;
    grid.addWidget(addLabel(this, rowName, fromUtf8(row.caption)), hRow, kCaptionColumn, 2, 1);
    grid.addWidget(addLabel(this, rowName + QStringLiteral("_H"), QStringLiteral("H")), hRow, kAxisColumn);
    grid.addWidget(addLabel(this, rowName + QStringLiteral("_V"), QStringLiteral("V")), vRow, kAxisColumn);
    for (std::size_t c = 0; c < row.columns.size() && row.columns[c].item != 0; ++c)
        for (const char axis : {'H', 'V'})
            grid.addWidget(addValueBox(layoutIndex(LayoutKind::Position, row.columns[c].item, axis)),
                           axis == 'H' ? hRow : vRow, kFirstBoxColumn + static_cast<int>(c));
}

void MoveQsoWindow::addValueBoxes(QGridLayout& grid, const GridRow& row, int hRow)
{
    if (row.commentBox) {
        comment_ = new QLineEdit(this);
        nameControl(*comment_, kCommentBoxName);
        grid.addWidget(comment_, hRow, kFirstBoxColumn + 2, 1, 5);
    }
    if (present(row.colourBox))
        grid.addWidget(addValueBox(layoutIndexOfBox(row.colourBox)), hRow, kColourColumn);
    if (present(row.sizeBox))
        grid.addWidget(addValueBox(layoutIndexOfBox(row.sizeBox)), hRow, kSizeColumn);
    if (row.colourLegend)
        for (std::size_t l = 0; l < kColourLegend.size(); ++l)
            grid.addWidget(addLabel(this, QStringLiteral("Legende%1").arg(l + 1), kColourLegend[l]),
                           hRow + static_cast<int>(l), kFirstBoxColumn + 2, 1, 5);
}

void MoveQsoWindow::addSwitch(QGridLayout& grid, const GridRow& row, int hRow)
{
    if (!present(row.switchBox))
        return;
    const int index = layoutIndexOfBox(row.switchBox);
    auto* box = new QCheckBox(this);
    nameControl(*box, editorBoxName(index));
    // A greyed box (a stored 2) becomes an ordinary one once the user changes it.
    connect(box, &QCheckBox::stateChanged, box, [box](int state) {
        if (state != Qt::PartiallyChecked)
            box->setTristate(false);
    });
    switches_[index] = box;
    // A shared check box stands between its two rows.
    grid.addWidget(box, hRow, kSwitchColumn, row.switchSpansNextRow ? 4 : 2, 1, Qt::AlignCenter);
}

void MoveQsoWindow::addSizesUnderColumns(QGridLayout& grid, const GridRow& row, const QString& rowName, int gridRow)
{
    grid.addWidget(addLabel(this, rowName + QStringLiteral("_Taille_Call_Via"), kSizeCaption), gridRow, kAxisColumn);
    for (std::size_t c = 0; c < row.sizesUnderColumns.size(); ++c)
        grid.addWidget(addValueBox(layoutIndexOfBox(row.sizesUnderColumns[c])), gridRow,
                       kFirstBoxColumn + static_cast<int>(c));
}

QLineEdit* MoveQsoWindow::addValueBox(int index)
{
    boxes_[index] = addBox(this, editorBoxName(index));
    return boxes_[index];
}

void MoveQsoWindow::showTexts(const LayoutTexts& texts)
{
    for (int i = 0; i < kLayoutValueCount; ++i) {
        if (switches_[i] != nullptr)
            switches_[i]->setCheckState(checkStateOf(texts.values[i]));
        else
            boxes_[i]->setText(texts.values[i]);
    }
    comment_->setText(texts.comment);
}

LayoutTexts MoveQsoWindow::texts() const
{
    LayoutTexts texts;
    for (int i = 0; i < kLayoutValueCount; ++i)
        texts.values[i] = switches_[i] != nullptr ? textOf(switches_[i]->checkState()) : boxes_[i]->text();
    texts.comment = comment_->text();
    return texts;
}

void MoveQsoWindow::Tester_Click()
{
    if (testLayout(program_, texts()))
        close();
}

void MoveQsoWindow::Quitter_Click()
{
    hide();
}

void MoveQsoWindow::Enregistrement_Click()
{
    saveParameterFile(program_, texts());
}
