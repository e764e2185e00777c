#pragma once

#include "dictionary/exitsettings.h"
#include "literature/litfiles.h"

#include <QObject>
#include <QStringList>

#include <vector>

class QAction;
class QTreeWidget;
class QTreeWidgetItem;

namespace somnar {

class Form1;
class SettingsStore;
class TolkWindow;

inline const QString kAllNodeKey = QStringLiteral("all");
inline const QString kFavouritesNodeKey = QStringLiteral("fav");

// The literature pane of the main window: the tree of articles with the favourites branch, its
// toolbar, the status text, and the article shown in the interpretation window. A node keeps
// its key and tag beside its text: an article's key is its file's path, a favourite's key is
// the article's key followed by "*", and an article's tag is "f" while it is a favourite.
class LiteratureTree : public QObject {
    Q_OBJECT
public:
    LiteratureTree(Form1 &main, SettingsStore &settings, QStringList folders = LitFolders());

    void ShowLit();
    // Shows the file of a node's key in the window's view, captioned with the selected node.
    // Throws RtfError when the file cannot be read.
    void ShowLitFile(const QString &key, TolkWindow &window);
    // ShowLitFile for the selected node; the interpretation button's road in literature mode.
    void showSelected(TolkWindow &window);
    void AboutLit();

    void TreeView1_NodeClick(QTreeWidgetItem *node);
    void TreeView1_GotFocus();
    void TreeView1_DblClick();
    void addFavourite();     // literature toolbar button 1
    void removeFavourite();  // literature toolbar button 3

    // The tags of every node but the first, and the expansion of the two roots.
    std::vector<SettingWrite> exitValues() const;
    // The articles, each once, in tree order.
    std::vector<LitFile> articles() const;

    QTreeWidgetItem *node(const QString &key) const;
    QAction *addButton() const { return m_add; }
    QAction *removeButton() const { return m_remove; }

    static QString key(const QTreeWidgetItem *node);
    static QString tag(const QTreeWidgetItem *node);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class NodeKind { Root, Article, Favourite };

    void createToolBar();
    QTreeWidgetItem *addNode(QTreeWidgetItem *parent, const QString &key, const QString &text, const QString &icon);
    static NodeKind kindOf(const QTreeWidgetItem *node);
    static void setTag(QTreeWidgetItem *node, const QString &tag);

    Form1 &m_main;
    SettingsStore &m_settings;
    QStringList m_folders;
    QTreeWidget *m_tree;
    QAction *m_add = nullptr;
    QAction *m_remove = nullptr;
};

}
