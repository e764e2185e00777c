#include "app/formabout.h"

#include "app/datafolders.h"
#include "app/programinfo.h"
#include "controls/artwork.h"
#include "controls/twips.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace somnar {

namespace {
constexpr int kTimerMilliseconds = 10;
constexpr int kPanelLeft = 130;
const QColor kRestingLink(0, 0, 255);
const QColor kHotLink(255, 0, 0);

QFont tahoma(qreal points, bool bold = false)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
}

FormAbout::FormAbout(const std::vector<AboutRow> &rows, QWidget *parent)
    : QDialog(parent)
    , m_openPage([](const QUrl &url) { QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("FormAbout"));
    setWindowTitle(QStringLiteral("О программе"));
    setFont(tahoma(9));
    setFixedSize(600, 480);
    setMouseTracking(true);
    createPicture();
    m_panel3d4 = createPanel(rows);
    m_panel3d4->setGeometry(kPanelLeft, 0, width() - kPanelLeft, height());
    m_timer1.setInterval(kTimerMilliseconds);
    connect(&m_timer1, &QTimer::timeout, this, &FormAbout::Timer1_Timer);
    DisLink();
}

QString FormAbout::pagePath(int link)
{
    const QString page = link == 0 ? QStringLiteral("adding-books.html") : QStringLiteral("somnar-help.html");
    return ProgramFolder() + QStringLiteral("/help/") + page;
}

void FormAbout::createPicture()
{
    m_image3 = new QLabel(this);
    m_image3->setPixmap(artworkPixmap(QStringLiteral("emblem"), QSize(kPictureSide, kPictureSide), devicePixelRatioF()));
    m_image3->setGeometry(m_game.left / kTwipsPerPixel, 16, kPictureSide, kPictureSide);
    m_image3->setToolTip(QStringLiteral("Двойной щелчок — игра"));
    m_image3->installEventFilter(this);
    m_game.top = Twips(m_image3->y());
}

QWidget *FormAbout::createPanel(const std::vector<AboutRow> &rows)
{
    auto *panel = new QWidget(this);
    panel->setMouseTracking(true);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(8, 12, 12, 12);

    auto *label6 = new QLabel(QStringLiteral("О программе \"%1\"").arg(kProgramTitle), panel);
    label6->setFont(tahoma(12, true));
    layout->addWidget(label6);

    auto *facts = new QGridLayout;
    facts->addWidget(new QLabel(QStringLiteral("Версия:"), panel), 0, 0);
    facts->addWidget(new QLabel(VersionText(), panel), 0, 1);
    facts->addWidget(new QLabel(QStringLiteral("Автор:"), panel), 1, 0);
    facts->addWidget(new QLabel(kCompanyName, panel), 1, 1);
    facts->setColumnStretch(1, 1);
    layout->addLayout(facts);

    layout->addSpacing(6);
    layout->addWidget(new QLabel(QStringLiteral("Подключенные словари и книги:"), panel));
    m_listView1 = new QTreeWidget(panel);
    m_listView1->setObjectName(QStringLiteral("ListView1"));
    m_listView1->setRootIsDecorated(false);
    m_listView1->setHeaderLabels({QStringLiteral("Название"), QStringLiteral("Файл")});
    m_listView1->header()->setSectionsClickable(false);
    m_listView1->setIconSize(QSize(16, 16));
    for (const AboutRow &row : rows) {
        auto *item = new QTreeWidgetItem(m_listView1, {row.name, row.file});
        item->setIcon(0, artworkIcon(row.book ? QStringLiteral("dictionary") : QStringLiteral("article")));
        item->setToolTip(1, row.file);
    }
    m_listView1->setColumnWidth(0, 200);
    layout->addWidget(m_listView1, 1);

    auto *label7 = new QLabel(
        QStringLiteral("Все материалы предоставлены под редакцией разработчика. Если Вы имеете исключительные "
                       "права на представленные в программе материалы и не желаете их распространения через наш "
                       "програмный продукт, свяжитесь с нами через предоставленный адрес электронной почты."),
        panel);
    label7->setWordWrap(true);
    label7->setFont(tahoma(8));
    layout->addWidget(label7);

    auto *links = new QHBoxLayout;
    links->addWidget(createLink(0, QStringLiteral("Как добавить сонник")));
    links->addSpacing(16);
    links->addWidget(createLink(1, QStringLiteral("Справка о программе")));
    links->addStretch(1);
    auto *command2 = new QPushButton(QStringLiteral("Ok"), panel);
    command2->setDefault(true);
    connect(command2, &QPushButton::clicked, this, &QDialog::accept);
    links->addWidget(command2);
    layout->addLayout(links);
    return panel;
}

QLabel *FormAbout::createLink(int link, const QString &caption)
{
    auto *label = new QLabel(caption, this);
    label->setToolTip(QUrl::fromLocalFile(pagePath(link)).toString());
    label->setCursor(Qt::PointingHandCursor);
    label->setMouseTracking(true);
    label->installEventFilter(this);
    m_mail[link] = label;
    return label;
}

void FormAbout::setLinkLook(int link, const QColor &color, bool underline)
{
    QLabel *label = m_mail[link];
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    QFont font = label->font();
    font.setUnderline(underline);
    label->setFont(font);
}

void FormAbout::DisLink()
{
    for (int i = 0; i < kLinkCount; ++i)
        setLinkLook(i, kRestingLink, false);
}

void FormAbout::Mail_MouseMove(int link)
{
    for (int i = 0; i < kLinkCount; ++i)
        setLinkLook(i, i == link ? kHotLink : kRestingLink, i == link);
}

void FormAbout::Mail_MouseDown(int link)
{
    setLinkLook(link, palette().color(QPalette::Highlight), m_mail[link]->font().underline());
    m_openPage(QUrl(m_mail[link]->toolTip()));
}

void FormAbout::Image3_DblClick()
{
    m_game.start();
    m_timer1.start();
}

void FormAbout::Timer1_Timer()
{
    m_game.tick(Twips(height()), Twips(m_image3->height()), Twips(kPanelLeft), Twips(m_image3->width()));
    if (!m_game.running)
        m_timer1.stop();
    m_image3->move(m_game.left / kTwipsPerPixel, m_game.top / kTwipsPerPixel);
}

void FormAbout::mouseMoveEvent(QMouseEvent *event)
{
    DisLink();
    QDialog::mouseMoveEvent(event);
}

bool FormAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_image3 && event->type() == QEvent::MouseButtonDblClick) {
        Image3_DblClick();
        return true;
    }
    for (int i = 0; i < kLinkCount; ++i) {
        if (watched != m_mail[i])
            continue;
        if (event->type() == QEvent::MouseMove)
            Mail_MouseMove(i);
        else if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            Mail_MouseDown(i);
        else if (event->type() == QEvent::MouseButtonRelease)
            DisLink();
    }
    return QDialog::eventFilter(watched, event);
}

}
