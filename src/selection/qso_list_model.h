#pragma once

#include <QAbstractListModel>
#include <QStringList>

// The lines of one QSO list (Liste_QSO or Liste_Imprime), shown by a list view.
//
// The lines live in one QStringList; every change is one model notification, so tens of
// thousands of lines load, move and sort without per-line work in the view.
class QsoListModel final : public QAbstractListModel
{
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    const QStringList& lines() const { return lines_; }
    int count() const { return static_cast<int>(lines_.size()); }
    const QString& at(int row) const { return lines_.at(row); }

    // The length of the longest line held since the list was last emptied or replaced.
    int widestLine() const { return widest_; }

    void append(const QString& line);
    void append(const QStringList& lines);
    // Removes `count` lines from `first` on.
    void remove(int first, int count = 1);
    // Replaces every line; with as many lines as before the view keeps its place.
    void replaceAll(QStringList lines);
    void clear();

private:
    void widen(const QStringList& lines);

    QStringList lines_;
    int widest_ = 0;
};
