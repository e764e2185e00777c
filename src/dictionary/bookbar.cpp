#include "dictionary/bookbar.h"

#include "controls/artwork.h"
#include "dictionary/bookcatalogue.h"

#include <QEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>

namespace somnar {

namespace {
constexpr int kIconSide = 20;

// Grey and paler, the transparency kept.
QPixmap greyed(const QPixmap &pixmap)
{
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = 128 + qGray(line[x]) / 2;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) * 3 / 4);
        }
    }
    QPixmap result = QPixmap::fromImage(image);
    result.setDevicePixelRatio(pixmap.devicePixelRatio());
    return result;
}
}

BookBar::BookBar(BookCatalogue &catalogue, QWidget *parent)
    : QToolBar(parent)
    , m_catalogue(catalogue)
{
    setObjectName(QStringLiteral("Toolbar2"));
    setIconSize(QSize(kIconSide, kIconSide));
    setMovable(false);
    setFloatable(false);
    installEventFilter(this);
    createMenus();
    connect(&m_catalogue, &BookCatalogue::switchedOnChanged, this, &BookBar::showSwitchStates);
}

void BookBar::createMenus()
{
    m_mnuBooks = new QMenu(this);
    m_mnuBooksAll[0] = m_mnuBooks->addAction(QStringLiteral("Включить все"), this, [this] { mnuBooksAll_Click(0); });
    m_mnuBooksAll[1] = m_mnuBooks->addAction(QStringLiteral("Выключить все"), this, [this] { mnuBooksAll_Click(1); });
    m_mnuBooks->addSeparator();
    m_mnuSel = m_mnuBooks->addMenu(QStringLiteral("Выбрать"));
    m_mnuOneBook = m_mnuBooks->addMenu(QStringLiteral("Оставить один"));
}

void BookBar::LoadButtons()
{
    for (qsizetype k = 0; k < m_catalogue.count(); ++k) {
        const CatalogueBook &book = m_catalogue.book(k);
        auto *button = new QToolButton(this);
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setIcon(buttonImage(k));
        button->setToolTip(book.toolName);
        button->setProperty("key", book.path);
        button->setProperty("tag", book.tolkName);
        button->setProperty("description", book.color);
        button->setChecked(book.switchedOn);
        button->installEventFilter(this);
        connect(button, &QToolButton::clicked, this, [this, k](bool checked) { m_catalogue.setSwitchedOn(k, checked); });
        addWidget(button);
        m_buttons.push_back(button);

        QAction *select = m_mnuSel->addAction(book.toolName, this, [this, k] { mnuSelBook_Click(int(k + 1)); });
        select->setCheckable(true);
        m_mnuOneBook->addAction(book.toolName, this, [this, k] { mnuBook_Click(int(k + 1)); });
    }
}

QIcon BookBar::buttonImage(qsizetype k) const
{
    const QByteArray picture = m_catalogue.book(k).database.config().icon.value_or(QByteArray());
    QIcon icon;
    // A switched-off book shows its picture greyed: the state is seen at a glance.
    const auto add = [&icon](const QPixmap &pixmap) {
        icon.addPixmap(pixmap, QIcon::Normal, QIcon::On);
        icon.addPixmap(greyed(pixmap), QIcon::Normal, QIcon::Off);
    };
    for (qreal ratio : {1.0, 2.0}) {
        const QSize side(kIconSide, kIconSide);
        QPixmap standard = artworkPixmap(QStringLiteral("default"), side, ratio);
        QPixmap own;
        if (picture.isEmpty() || !own.loadFromData(picture)) {
            add(standard);
            continue;
        }
        // The book's own picture shows through the transparent cover of the standard image.
        QPixmap combined(side * ratio);
        combined.setDevicePixelRatio(ratio);
        combined.fill(Qt::transparent);
        QPainter painter(&combined);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(QRectF(3, 3, kIconSide - 6, kIconSide - 6), own, own.rect());
        painter.drawPixmap(0, 0, standard);
        painter.end();
        add(combined);
    }
    return icon;
}

void BookBar::showSwitchStates()
{
    for (qsizetype k = 0; k < buttonCount(); ++k)
        m_buttons[size_t(k)]->setChecked(m_catalogue.book(k).switchedOn);
}

void BookBar::mnuBooksAll_Click(int index)
{
    m_catalogue.switchAll(index == 0);
}

void BookBar::mnuSelBook_Click(int index)
{
    QAction *item = m_mnuSel->actions().value(index - 1);
    if (!item)
        return;
    // The item has already toggled its own check mark when it was triggered from the menu.
    m_catalogue.setSwitchedOn(index - 1, item->isChecked());
}

void BookBar::mnuBook_Click(int index)
{
    m_catalogue.keepOnly(index - 1);
}

void BookBar::Toolbar2_MouseUp(Qt::MouseButton button, const QPoint &globalPos)
{
    const bool hasBooks = buttonCount() > 0;
    m_mnuBooksAll[0]->setEnabled(hasBooks);
    m_mnuBooksAll[1]->setEnabled(hasBooks);
    const QList<QAction *> selectItems = m_mnuSel->actions();
    for (qsizetype k = 0; k < buttonCount() && k < selectItems.size(); ++k)
        selectItems[k]->setChecked(m_buttons[size_t(k)]->isChecked());
    for (QAction *item : m_mnuOneBook->actions())
        item->setChecked(false);
    if (button == Qt::RightButton)
        m_mnuBooks->popup(globalPos);
}

bool BookBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        Toolbar2_MouseUp(mouse->button(), mouse->globalPosition().toPoint());
    } else if (event->type() == QEvent::ContextMenu) {
        return true;
    }
    return QToolBar::eventFilter(watched, event);
}

}
