#include "dictionary/wordlistmodel.h"

#include "dictionary/wordindex.h"

namespace somnar {

WordListModel::WordListModel(const WordIndex &index, QObject *parent)
    : QAbstractListModel(parent)
    , m_index(index)
{
}

void WordListModel::reload()
{
    beginResetModel();
    endResetModel();
}

int WordListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_index.size());
}

QVariant WordListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_index.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return m_index.words()[size_t(index.row())];
    return {};
}

}
