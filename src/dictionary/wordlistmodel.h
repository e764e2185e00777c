#pragma once

#include <QAbstractListModel>

#include <vector>

namespace somnar {

class WordIndex;

// The word index as the list view shows it: one row per word, no per-word widget items, so a
// list of hundreds of thousands of words stays fast.
class WordListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit WordListModel(const WordIndex &index, QObject *parent = nullptr);

    // Call after the index was rebuilt.
    void reload();

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    const WordIndex &m_index;
};

}
