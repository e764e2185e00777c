#include "location/spravcity.h"

#include "location/townlist.h"
#include "location/towntexts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace somnar {

SpravCity::SpravCity(const QString &townListPath, const QString &currentTown, QWidget *parent)
    : QDialog(parent)
    , m_listView1(new QTreeWidget(this))
    , m_text1(new QLineEdit(this))
    , m_command1(new QPushButton(QStringLiteral("Выбрать"), this))
    , m_command2(new QPushButton(QStringLiteral("Закрыть"), this))
{
    setWindowTitle(QStringLiteral("Справочник городов"));
    auto *label6 = new QLabel(QStringLiteral("Малый справочник городов"), this);
    QFont heading = label6->font();
    heading.setBold(true);
    label6->setFont(heading);

    m_listView1->setColumnCount(3);
    m_listView1->setHeaderLabels({QStringLiteral("Город"), QStringLiteral("Широта"), QStringLiteral("Долгота")});
    m_listView1->setRootIsDecorated(false);
    m_listView1->setUniformRowHeights(true);
    m_listView1->setAllColumnsShowFocus(true);
    m_listView1->header()->setSectionsClickable(false);
    m_listView1->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_listView1->header()->setStretchLastSection(false);
    m_listView1->setColumnWidth(1, 100);
    m_listView1->setColumnWidth(2, 110);

    auto *search = new QHBoxLayout;
    search->addWidget(new QLabel(QStringLiteral("Быстрый поиск:"), this));
    search->addWidget(m_text1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_command1);
    buttons->addWidget(m_command2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label6);
    layout->addWidget(m_listView1, 1);
    layout->addLayout(search);
    layout->addLayout(buttons);
    resize(440, 420);

    connect(m_text1, &QLineEdit::textChanged, this, &SpravCity::Text1_Change);
    connect(m_command1, &QPushButton::clicked, this, &SpravCity::Command1_Click);
    connect(m_command2, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_listView1, &QTreeWidget::itemDoubleClicked, this, &SpravCity::Command1_Click);
    m_command1->setDefault(true);

    LoadList(townListPath);
    m_text1->setText(currentTown);
    // Typing at once replaces the current name and searches.
    m_text1->selectAll();
    m_text1->setFocus();
}

void SpravCity::LoadList(const QString &townListPath)
{
    const std::vector<TownRecord> towns = LoadTownList(townListPath);
    QList<QTreeWidgetItem *> rows;
    rows.reserve(qsizetype(towns.size()));
    m_names.clear();
    m_names.reserve(qsizetype(towns.size()));
    for (const TownRecord &town : towns) {
        rows << new QTreeWidgetItem(QStringList{town.name, LatitudeText(town), LongitudeText(town)});
        m_names << town.name;
    }
    m_listView1->clear();
    m_listView1->addTopLevelItems(rows);
}

void SpravCity::Text1_Change()
{
    const int current = m_listView1->currentItem() ? m_listView1->indexOfTopLevelItem(m_listView1->currentItem()) : -1;
    const int row = FindTown(m_names, m_text1->text(), current);
    if (row < 0 || row == current)
        return;
    QTreeWidgetItem *item = m_listView1->topLevelItem(row);
    m_listView1->setCurrentItem(item);
    m_listView1->scrollToItem(item, QAbstractItemView::PositionAtTop);
}

void SpravCity::Command1_Click()
{
    const QList<QTreeWidgetItem *> selected = m_listView1->selectedItems();
    if (selected.isEmpty())
        return;
    const QTreeWidgetItem *item = selected.first();
    const QString latitude = item->text(1);
    const QString longitude = item->text(2);
    m_choice = TownChoice{item->text(0), GeoH(latitude), GeoM(latitude), GeoP(latitude),
                          GeoH(longitude), GeoM(longitude), GeoP(longitude)};
    accept();
}

}
