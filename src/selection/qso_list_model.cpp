#include "selection/qso_list_model.h"

int QsoListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant QsoListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= count())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return lines_.at(index.row());
    return {};
}

void QsoListModel::append(const QString& line)
{
    append(QStringList{line});
}

void QsoListModel::append(const QStringList& lines)
{
    if (lines.isEmpty())
        return;
    beginInsertRows(QModelIndex(), count(), count() + static_cast<int>(lines.size()) - 1);
    lines_ += lines;
    widen(lines);
    endInsertRows();
}

void QsoListModel::remove(int first, int count)
{
    if (count <= 0 || first < 0 || first + count > this->count())
        return;
    beginRemoveRows(QModelIndex(), first, first + count - 1);
    lines_.remove(first, count);
    endRemoveRows();
}

void QsoListModel::replaceAll(QStringList lines)
{
    if (lines.size() == lines_.size()) {
        lines_ = std::move(lines);
        widest_ = 0;
        widen(lines_);
        if (!lines_.isEmpty())
            emit dataChanged(index(0), index(count() - 1), {Qt::DisplayRole});
        return;
    }
    beginResetModel();
    lines_ = std::move(lines);
    widest_ = 0;
    widen(lines_);
    endResetModel();
}

void QsoListModel::clear()
{
    if (lines_.isEmpty())
        return;
    beginResetModel();
    lines_.clear();
    widest_ = 0;
    endResetModel();
}

void QsoListModel::widen(const QStringList& lines)
{
    for (const QString& line : lines)
        widest_ = qMax(widest_, static_cast<int>(line.size()));
}
