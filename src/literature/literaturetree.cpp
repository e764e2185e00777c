#include "literature/literaturetree.h"

#include "app/messages.h"
#include "app/settingsstore.h"
#include "article/richtextview.h"
#include "article/tolkwindow.h"
#include "controls/artwork.h"
#include "controls/twips.h"
#include "dictionary/mainwindow.h"
#include "dictionary/statusstrip.h"
#include "dictionary/statustext.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace somnar {

namespace {
constexpr int kKeyRole = Qt::UserRole;
constexpr int kTagRole = Qt::UserRole + 1;
const QString kFavouriteTag = QStringLiteral("f");
const QString kArticleIcon = QStringLiteral("article");
}

LiteratureTree::LiteratureTree(Form1 &main, SettingsStore &settings, QStringList folders)
    : QObject(&main)
    , m_main(main)
    , m_settings(settings)
    , m_folders(std::move(folders))
    , m_tree(main.TreeView1())
{
    createToolBar();
    m_tree->installEventFilter(this);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, &LiteratureTree::TreeView1_NodeClick);
    connect(m_tree, &QTreeWidget::itemClicked, this, &LiteratureTree::TreeView1_NodeClick);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, &LiteratureTree::TreeView1_DblClick);
    m_main.setLiteratureExitValues([this] { return exitValues(); });
}

void LiteratureTree::createToolBar()
{
    QToolBar *toolbar = m_main.Toolbar3();
    m_add = toolbar->addAction(artworkIcon(QStringLiteral("favourite-add")), QString());
    m_add->setToolTip(QStringLiteral("Добавить в избранное"));
    toolbar->addSeparator();
    m_remove = toolbar->addAction(artworkIcon(QStringLiteral("favourite-remove")), QString());
    m_remove->setToolTip(QStringLiteral("Удалить из избранного"));
    m_add->setEnabled(false);
    m_remove->setEnabled(false);
    connect(m_add, &QAction::triggered, this, &LiteratureTree::addFavourite);
    connect(m_remove, &QAction::triggered, this, &LiteratureTree::removeFavourite);
}

QString LiteratureTree::key(const QTreeWidgetItem *node)
{
    return node ? node->data(0, kKeyRole).toString() : QString();
}

QString LiteratureTree::tag(const QTreeWidgetItem *node)
{
    return node ? node->data(0, kTagRole).toString() : QString();
}

void LiteratureTree::setTag(QTreeWidgetItem *node, const QString &tag)
{
    node->setData(0, kTagRole, tag);
}

LiteratureTree::NodeKind LiteratureTree::kindOf(const QTreeWidgetItem *node)
{
    if (!node || !node->parent())
        return NodeKind::Root;
    return key(node->parent()) == kAllNodeKey ? NodeKind::Article : NodeKind::Favourite;
}

QTreeWidgetItem *LiteratureTree::node(const QString &key) const
{
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        if (LiteratureTree::key(*it) == key)
            return *it;
    }
    return nullptr;
}

QTreeWidgetItem *LiteratureTree::addNode(QTreeWidgetItem *parent, const QString &key, const QString &text,
                                         const QString &icon)
{
    auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
    item->setText(0, text);
    item->setData(0, kKeyRole, key);
    item->setIcon(0, artworkIcon(icon));
    item->setToolTip(0, text);
    return item;
}

void LiteratureTree::ShowLit()
{
    m_tree->clear();
    QTreeWidgetItem *all = addNode(nullptr, kAllNodeKey, QStringLiteral("Вся литература"), QStringLiteral("literature"));
    all->setExpanded(m_settings.getBool(kMainSection, QStringLiteral("LitAExpanded"), true));
    QTreeWidgetItem *favourites =
        addNode(nullptr, kFavouritesNodeKey, QStringLiteral("Избранная литература"), QStringLiteral("favourites"));
    favourites->setExpanded(m_settings.getBool(kMainSection, QStringLiteral("LitFExpanded"), true));
    for (const LitFile &file : ListLitFiles(m_folders)) {
        QTreeWidgetItem *article = addNode(all, file.path, file.title, kArticleIcon);
        if (m_settings.get(kBooksSection, file.path) == kFavouriteTag) {
            addNode(favourites, file.path + u'*', file.title, kArticleIcon);
            setTag(article, kFavouriteTag);
        }
    }
}

void LiteratureTree::ShowLitFile(const QString &key, TolkWindow &window)
{
    QString path = key;
    if (path.endsWith(u'*'))
        path.back() = u' ';
    RichTextView *view = window.view();
    view->setBaseFont(QStringLiteral("Courier New"), 10);
    view->setViewText(QString());
    // The next word article shows even when it is the word shown before the file.
    view->setTag(QString());
    view->loadRtfFile(path.trimmed());
    if (const QTreeWidgetItem *selected = m_tree->currentItem())
        window.setWindowTitle(selected->text(0));
}

void LiteratureTree::showSelected(TolkWindow &window)
{
    if (const QTreeWidgetItem *selected = m_tree->currentItem(); kindOf(selected) != NodeKind::Root)
        ShowLitFile(key(selected), window);
}

void LiteratureTree::AboutLit()
{
    qsizetype count = 0;
    if (const QTreeWidgetItem *all = node(kAllNodeKey))
        count = all->childCount();
    const QString status = QStringLiteral("%1 книжных статей").arg(count);
    QLabel *label = m_main.Label7();
    label->setToolTip(status);
    label->setText(IfLong(status, WhatLong(Twips(m_main.width()), StatusStrip::kPictureWidth, StatusStrip::kLabel7Left)));
}

void LiteratureTree::TreeView1_NodeClick(QTreeWidgetItem *node)
{
    const NodeKind kind = kindOf(node);
    m_main.tolkButton()->setEnabled(kind != NodeKind::Root);
    m_add->setEnabled(kind == NodeKind::Article && tag(node) != kFavouriteTag);
    m_remove->setEnabled(kind == NodeKind::Favourite);
    if (node)
        m_main.Label6()->setText(IfLong(node->text(0), 20));
}

void LiteratureTree::TreeView1_GotFocus()
{
    m_main.setLiteratureMode(true);
    AboutLit();
    TreeView1_NodeClick(m_tree->currentItem());
}

void LiteratureTree::TreeView1_DblClick()
{
    if (m_main.tolkButton()->isEnabled())
        m_main.tolkButton()->setChecked(true);
    m_main.ShowTolk();
}

void LiteratureTree::addFavourite()
{
    QTreeWidgetItem *selected = m_tree->currentItem();
    QTreeWidgetItem *favourites = node(kFavouritesNodeKey);
    if (kindOf(selected) != NodeKind::Article || !favourites)
        return;
    const QString favouriteKey = key(selected) + u'*';
    if (node(favouriteKey)) {
        ShowMessage(&m_main, QMessageBox::Warning, selected->text(0) + QStringLiteral(" уже есть в избранном!"),
                    QStringLiteral("Литература"));
        return;
    }
    addNode(favourites, favouriteKey, selected->text(0), kArticleIcon);
    setTag(selected, kFavouriteTag);
    m_add->setEnabled(false);
}

void LiteratureTree::removeFavourite()
{
    QTreeWidgetItem *selected = m_tree->currentItem();
    const QString selectedKey = key(selected);
    if (!selected || !selectedKey.endsWith(u'*'))
        return;
    if (QTreeWidgetItem *article = node(selectedKey.chopped(1)))
        setTag(article, QString());
    m_remove->setEnabled(false);
    // Removing moves the selection; the buttons then follow the newly selected node.
    delete selected;
}

std::vector<SettingWrite> LiteratureTree::exitValues() const
{
    std::vector<SettingWrite> writes;
    QTreeWidgetItemIterator it(m_tree);
    if (*it)
        ++it;
    for (; *it; ++it)
        writes.push_back({kBooksSection, key(*it), tag(*it)});
    const auto expanded = [this](const QString &key) {
        const QTreeWidgetItem *root = node(key);
        return root && root->isExpanded() ? QStringLiteral("True") : QStringLiteral("False");
    };
    writes.push_back({kMainSection, QStringLiteral("LitAExpanded"), expanded(kAllNodeKey)});
    writes.push_back({kMainSection, QStringLiteral("LitFExpanded"), expanded(kFavouritesNodeKey)});
    return writes;
}

std::vector<LitFile> LiteratureTree::articles() const
{
    std::vector<LitFile> files;
    if (const QTreeWidgetItem *all = node(kAllNodeKey)) {
        for (int i = 0; i < all->childCount(); ++i)
            files.push_back({all->child(i)->text(0), key(all->child(i))});
    }
    return files;
}

bool LiteratureTree::eventFilter(QObject *watched, QEvent *event)
{
    // Compared with the pointer kept at construction: the tree's last events arrive while the
    // main window is already being destroyed, when it must not be called.
    if (watched == m_tree && event->type() == QEvent::FocusIn)
        TreeView1_GotFocus();
    return QObject::eventFilter(watched, event);
}

}
