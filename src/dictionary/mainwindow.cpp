#include "dictionary/mainwindow.h"

#include "app/autostartswitch.h"
#include "app/exitchoice.h"
#include "app/exitdialog.h"
#include "app/messages.h"
#include "app/datafolders.h"
#include "app/programinfo.h"
#include "app/settingsstore.h"
#include "controls/artwork.h"
#include "controls/process.h"
#include "controls/screenfit.h"
#include "dictionary/bookbar.h"
#include "dictionary/headerstrip.h"
#include "dictionary/listcolumns.h"
#include "dictionary/loadbooksmessage.h"
#include "dictionary/mainlayout.h"
#include "dictionary/statustext.h"
#include "dictionary/statusstrip.h"
#include "dictionary/windowgeometry.h"
#include "dictionary/wordlistmodel.h"
#include "tray/trayarea.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QToolBar>
#include <QTreeWidget>


namespace somnar {

namespace {
constexpr int kTimerMilliseconds = 500;
constexpr int kColumnGap = 8;  // pixels between two columns of words
const QColor kLinkNavy(0, 0, 128);
const QColor kLinkBlue(0, 0, 255);

// Four buttons fit the narrowest window only without the bar's own margin around them.
class TightToolBarStyle : public QProxyStyle {
public:
    // Over a copy of the application's own style, whichever was chosen.
    explicit TightToolBarStyle(QObject *owner)
        : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
    {
        setParent(owner);
    }
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_ToolBarItemMargin || metric == PM_ToolBarFrameWidth)
            return 0;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

QFont arialFont(qreal points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    return font;
}
}

Form1::Form1(SettingsStore &settings, QStringList dataFolders, QWidget *parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_dataFolders(std::move(dataFolders))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kMainCaption);
    setWindowIcon(artworkIcon(QStringLiteral("program")));
    setFont(arialFont(8.25));
    setAutoFillBackground(true);
    resize(int(kDefaultWidth) / kTwipsPerPixel, int(kDefaultHeight) / kTwipsPerPixel);

    createCommandBar();
    createLink();
    createLiteraturePane();
    createDictionaryPane();
    createStatusBar();
    createTray();

    m_timer1.setSingleShot(true);
    m_timer1.setInterval(kTimerMilliseconds);
    connect(&m_timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    m_timer2.setSingleShot(true);
    m_timer2.setInterval(kTimerMilliseconds);
    connect(&m_timer2, &QTimer::timeout, this, [this] {
        if (m_splash)
            m_splash->close();
    });
    connect(&m_catalogue, &BookCatalogue::switchedOnChanged, this, &Form1::Toolbar2_ButtonClick);
    Form_Resize();
}

Form1::~Form1() = default;

void Form1::createCommandBar()
{
    m_toolbar1 = new QToolBar(this);
    m_toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolbar1->setIconSize(QSize(24, 24));
    m_toolbar1->setMovable(false);
    m_toolbar1->setStyle(new TightToolBarStyle(m_toolbar1));
    m_toolbar1->installEventFilter(this);
    m_tolk = m_toolbar1->addAction(artworkIcon(QStringLiteral("show")), QStringLiteral("Показать"));
    m_tolk->setCheckable(true);
    m_tolk->setToolTip(QStringLiteral("Показать толкование / книгу (Enter)"));
    connect(m_tolk, &QAction::triggered, this, [this] { Toolbar1_ButtonClick(QStringLiteral("Tolk")); });
    QAction *calendar = m_toolbar1->addAction(artworkIcon(QStringLiteral("calendar")), QStringLiteral("Календарь"));
    calendar->setToolTip(QStringLiteral("Календарь сбываемости снов (Ctrl+M)"));
    connect(calendar, &QAction::triggered, this, [this] { Toolbar1_ButtonClick(QStringLiteral("Calen")); });
    QAction *options = m_toolbar1->addAction(artworkIcon(QStringLiteral("options")), QStringLiteral("Настройки"));
    options->setToolTip(QStringLiteral("Настройки программы"));
    connect(options, &QAction::triggered, this, [this] { Toolbar1_ButtonClick(QStringLiteral("HLP")); });
    QAction *diary = m_toolbar1->addAction(artworkIcon(QStringLiteral("diary")), QStringLiteral("Дневник"));
    diary->setToolTip(QStringLiteral("Дневник сновидений (Ctrl+D)"));
    connect(diary, &QAction::triggered, this, [this] { Toolbar1_ButtonClick(QStringLiteral("Diary")); });
}

void Form1::createLink()
{
    m_image8 = new QLabel(this);
    m_image8->setPixmap(artworkPixmap(QStringLiteral("about"), QSize(16, 16), devicePixelRatioF()));
    m_image8->resize(16, 16);
    m_label2 = new QLabel(QStringLiteral("О программе"), this);
    m_label2->setStyleSheet(QStringLiteral("color: white;"));
    m_label3 = new QLabel(QStringLiteral("О программе"), this);
    m_label3->setCursor(Qt::PointingHandCursor);
    m_label3->installEventFilter(this);
    QFont underlined = m_label3->font();
    underlined.setUnderline(true);
    m_label2->setFont(underlined);
    m_label3->setFont(underlined);
    setLinkColour(false);
}

void Form1::setLinkColour(bool hot)
{
    QPalette palette = m_label3->palette();
    palette.setColor(QPalette::WindowText, hot ? kLinkBlue : kLinkNavy);
    m_label3->setPalette(palette);
}

void Form1::createLiteraturePane()
{
    m_picture3 = new QWidget(this);
    m_picture3->setObjectName(QStringLiteral("Picture3"));
    m_picture3->installEventFilter(this);
    m_picture1 = new HeaderStrip(QStringLiteral("Литература"), QStringLiteral("literature"), m_picture3);
    connect(m_picture1, &HeaderStrip::clicked, this, &Form1::Image4_Click);
    m_toolbar3 = new QToolBar(m_picture3);
    m_toolbar3->setIconSize(QSize(16, 16));
    m_text3 = new QFrame(m_picture3);
    m_text3->setFrameShape(QFrame::StyledPanel);
    m_text3->setFrameShadow(QFrame::Sunken);
    m_treeView1 = new QTreeWidget(m_picture3);
    m_treeView1->setHeaderHidden(true);
    m_treeView1->setFrameShape(QFrame::NoFrame);
    m_treeView1->setToolTip(QStringLiteral("Открытие по двойному щелчку"));
    m_treeView1->installEventFilter(this);
    m_treeView1->hide();
    // A closed pane is only its header: the header stays above what the pane clips.
    m_picture1->raise();
}

void Form1::createDictionaryPane()
{
    m_picture2 = new QWidget(this);
    m_picture2->setObjectName(QStringLiteral("Picture2"));
    m_picture2->installEventFilter(this);
    m_picture5 = new HeaderStrip(QStringLiteral("Словарь"), QStringLiteral("dictionary"), m_picture2);
    m_picture5->setOpen(true);
    connect(m_picture5, &HeaderStrip::clicked, this, &Form1::Image5_Click);
    m_toolbar2 = new BookBar(m_catalogue, m_picture2);

    m_toolbar4 = new QToolBar(m_picture2);
    m_toolbar4->setObjectName(QStringLiteral("Toolbar4"));
    m_toolbar4->setIconSize(QSize(16, 16));
    m_toolbar4->setMovable(false);
    // Two buttons in 52 x 22 pixels: no frame or padding around them.
    m_toolbar4->setStyleSheet(QStringLiteral("QToolBar { border: 0px; padding: 0px; spacing: 2px; }"));
    auto *modes = new QActionGroup(m_toolbar4);
    m_listMode[0] = m_toolbar4->addAction(artworkIcon(QStringLiteral("list-single")), QString());
    m_listMode[0]->setToolTip(QStringLiteral("Обычный список"));
    m_listMode[1] = m_toolbar4->addAction(artworkIcon(QStringLiteral("list-columns")), QString());
    m_listMode[1]->setToolTip(QStringLiteral("Несколько колонок"));
    for (int button : {1, 2}) {
        m_listMode[button - 1]->setCheckable(true);
        modes->addAction(m_listMode[button - 1]);
        connect(m_listMode[button - 1], &QAction::triggered, this, [this, button] { Toolbar4_ButtonClick(button); });
    }
    m_listMode[0]->setChecked(true);

    m_text2 = new QFrame(m_picture2);
    m_text2->setFrameShape(QFrame::StyledPanel);
    m_text2->setFrameShadow(QFrame::Sunken);
    m_model = new WordListModel(m_index, this);
    m_listView1 = new QListView(m_picture2);
    m_listView1->setObjectName(QStringLiteral("ListView1"));
    m_listView1->setFrameShape(QFrame::NoFrame);
    m_listView1->setUniformItemSizes(true);
    m_listView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_listView1->setSelectionMode(QAbstractItemView::SingleSelection);
    m_listView1->setModel(m_model);
    m_listView1->installEventFilter(this);
    m_listView1->viewport()->installEventFilter(this);
    connect(m_listView1->selectionModel(), &QItemSelectionModel::currentChanged, this, &Form1::onSelectionMoved);
    connect(m_listView1->selectionModel(), &QItemSelectionModel::selectionChanged, this, &Form1::onSelectionMoved);
    connect(m_listView1, &QListView::clicked, this, &Form1::onListClicked);
    connect(m_listView1, &QListView::doubleClicked, this, &Form1::ListView1_DblClick);

    m_emptyHint = new QLabel(QStringLiteral("Все сонники выключены. Включите хотя бы один на панели сонников."),
                             m_picture2);
    m_emptyHint->setObjectName(QStringLiteral("EmptyListHint"));
    m_emptyHint->setWordWrap(true);
    m_emptyHint->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_emptyHint->setMargin(6);
    m_emptyHint->hide();

    m_text1 = new QLineEdit(m_picture2);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setFont(arialFont(9));
    m_text1->installEventFilter(this);
    connect(m_text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
    m_picture5->raise();
}

void Form1::createStatusBar()
{
    m_statusBar1 = new StatusStrip(this);
    connect(m_statusBar1, &StatusStrip::resized, this, [this] {
        if (!m_literatureMode)
            StText();
    });
}

void Form1::createTray()
{
    m_tray1 = new TrayArea(this);
    m_tray1->setToolTip(kProgramTitle);
    connect(m_tray1, &TrayArea::MouseUp, this, &Form1::Tray1_MouseUp);
    connect(m_tray1, &TrayArea::DblClick, this, &Form1::FromTray);
}

QLabel *Form1::Label6() const
{
    return m_statusBar1->Label6();
}

QLabel *Form1::Label7() const
{
    return m_statusBar1->Label7();
}

void Form1::setStarting(QWidget *splash)
{
    m_starting = true;
    m_splash = splash;
}

void Form1::setLiteratureExitValues(std::function<std::vector<SettingWrite>()> values)
{
    m_literatureExitValues = std::move(values);
}

bool Form1::Form_Load()
{
    if (QFileInfo(QCoreApplication::applicationFilePath()).baseName().toUpper() == QStringLiteral("SOMNAR"))
        setMinimumSize(260, 360);
    applyGeometry();
    setWindowTitle(kMainCaption + QLatin1Char(' ') + VersionText());
    m_options = ReadProgramOptions(m_settings);
    const int listMode = m_settings.getInt(kMainSection, QStringLiteral("ListMode"), 1) == 1 ? 1 : 2;
    m_listMode[listMode - 1]->setChecked(true);
    Toolbar4_ButtonClick(listMode);
    m_statusBar1->Process1()->show();
    m_statusBar1->Process1()->ProgressPlay();
    if (!LoadBooks())
        return false;
    LoadLastWord();
    m_timer1.start();
    return true;
}

void Form1::applyGeometry()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->geometry().size() : QSize(1024, 768);
    const TwipsGeometry g = LoadWindowGeometry(m_settings, Twips(screenSize.width()), Twips(screenSize.height()));
    // Whatever the file holds, the whole window, frame included, lands on a screen.
    const QMargins frame = FrameMargins(*this);
    const QRectF wanted(g.left / kTwipsPerPixel, g.top / kTwipsPerPixel,
                        g.width / kTwipsPerPixel + frame.left() + frame.right(),
                        g.height / kTwipsPerPixel + frame.top() + frame.bottom());
    const QRect fitted = FitOnScreen(wanted, AvailableArea(wanted));
    resize(fitted.size().shrunkBy(frame));
    move(fitted.topLeft());
}

bool Form1::LoadBooks()
{
    const BookCatalogue::LoadResult result = m_catalogue.load(m_dataFolders, m_settings);
    const QString message = LoadBooksMessage(result, m_dataFolders, m_catalogue.skipped());
    if (!message.isEmpty()) {
        if (m_splash)
            m_splash->close();
        ShowMessage(this, QMessageBox::Critical, message);
        ExitApp(true);
        return false;
    }
    m_toolbar2->LoadButtons();
    LoadList();
    // Named once the window is on the screen, so the user sees what still works beside it.
    if (!m_catalogue.skipped().empty())
        QTimer::singleShot(0, this, &Form1::reportSkippedBooks);
    return true;
}

void Form1::reportSkippedBooks()
{
    if (m_splash)
        m_splash->close();
    ShowMessage(this, QMessageBox::Warning, SkippedBooksMessage(m_catalogue.skipped()));
}

void Form1::Toolbar2_ButtonClick()
{
    m_statusBar1->Process1()->show();
    m_statusBar1->Process1()->ProgressPlay();
    LoadList();
    m_timer1.start();
}

void Form1::Timer1_Timer()
{
    m_statusBar1->Process1()->hide();
    m_statusBar1->Process1()->ProgressStop();
}

void Form1::LoadList()
{
    // Pending events run between books, keys and clicks excepted: a letter typed meanwhile
    // waits for the rebuilt list instead of being overwritten by its first word. A change of
    // books from code meanwhile rebuilds once more at the end instead of inside this one.
    if (m_rebuilding) {
        m_rebuildAgain = true;
        return;
    }
    m_rebuilding = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    do {
        m_rebuildAgain = false;
        m_listView1->setUpdatesEnabled(false);
        m_index.build(m_catalogue, [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
        m_model->reload();
        m_widestWord = -1;
        if (m_listMode[1]->isChecked())
            applyColumnGrid();
        m_listView1->setUpdatesEnabled(true);
    } while (m_rebuildAgain);
    StText();
    emit tolkCloseRequested();
    m_tolk->setChecked(false);
    Listcheck();
    // A blank list would not say why it is blank.
    m_emptyHint->setVisible(m_catalogue.count() > 0 && m_catalogue.switchedOnCount() == 0);
    QApplication::restoreOverrideCursor();
    m_rebuilding = false;
}

void Form1::StText()
{
    const QString status = StatusText(m_index.articleTotal());
    QLabel *label = m_statusBar1->Label7();
    label->setToolTip(status);
    const int room = WhatLong(Twips(width()), StatusStrip::kPictureWidth, StatusStrip::kLabel7Left);
    label->setText(IfLong(status, room));
}

void Form1::Toolbar4_ButtonClick(int button)
{
    if (button == 1) {
        m_listView1->setWrapping(false);
        m_listView1->setFlow(QListView::TopToBottom);
        m_listView1->setGridSize(QSize());
    } else if (button == 2) {
        m_listView1->setFlow(QListView::TopToBottom);
        m_listView1->setWrapping(true);
        m_listView1->setResizeMode(QListView::Adjust);
        applyColumnGrid();
    }
    if (const int position = selectedPosition())
        SetVisible(position);
}

void Form1::applyColumnGrid()
{
    // Even columns as wide as the widest word shown, so that no word is cut; only a word wider
    // than the whole list is.
    if (m_widestWord < 0)
        m_widestWord = WidestWordWidth(m_index.words(), m_listView1->fontMetrics());
    const int textMargin = m_listView1->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_listView1) + 1;
    int width = m_widestWord + 2 * textMargin + kColumnGap;
    if (m_listView1->width() > kColumnGap)
        width = std::min(width, m_listView1->width() - kColumnGap);
    m_listView1->setGridSize(QSize(width, m_listView1->fontMetrics().height() + 3));
}

void Form1::Toolbar1_ButtonClick(const QString &key)
{
    if (key == QStringLiteral("Tolk"))
        ShowTolk();
    else if (key == QStringLiteral("Calen"))
        emit calendarRequested();
    else if (key == QStringLiteral("HLP"))
        emit optionsRequested();
    else if (key == QStringLiteral("Diary"))
        emit diaryRequested();
}

void Form1::ShowTolk()
{
    emit tolkRequested();
}

void Form1::Form_Resize()
{
    const FormLayout f = somnar::Form_Resize(Twips(width()), Twips(height()), m_literatureOpen);
    m_toolbar1->setGeometry(ToPixels(f.toolbar1));
    m_label3->setGeometry(ToPixels(f.link));
    m_label2->setGeometry(ToPixels(f.linkShadow));
    m_image8->move(f.image8Left / kTwipsPerPixel, ToPixels(f.link).center().y() - 8);
    m_picture3->setGeometry(ToPixels(f.literaturePane));
    m_picture2->setGeometry(ToPixels(f.dictionaryPane));
    m_statusBar1->setGeometry(ToPixels(f.statusBar));
    update();
}

void Form1::Picture2_Resize()
{
    const DictionaryPaneLayout d = somnar::Picture2_Resize(Twips(m_picture2->width()), Twips(m_picture2->height()));
    m_picture5->setGeometry(ToPixels(d.header));
    m_picture5->setArrowLeft(d.arrowLeft);
    m_toolbar2->setGeometry(ToPixels(d.toolbar2));
    m_toolbar4->setGeometry(ToPixels(d.toolbar4));
    m_text2->setGeometry(ToPixels(d.text2));
    m_listView1->setGeometry(ToPixels(d.list));
    if (m_listMode[1]->isChecked())
        applyColumnGrid();
    m_emptyHint->setGeometry(ToPixels(d.list));
    m_text1->setGeometry(ToPixels(d.text1));
}

void Form1::Picture3_Resize()
{
    const LiteraturePaneLayout l = somnar::Picture3_Resize(Twips(m_picture3->width()), Twips(m_picture3->height()));
    m_picture1->setGeometry(ToPixels(l.header));
    m_picture1->setArrowLeft(l.arrowLeft);
    m_toolbar3->setGeometry(ToPixels(l.toolbar3));
    m_text3->setGeometry(ToPixels(l.text3));
    m_treeView1->setGeometry(ToPixels(l.tree));
}

void Form1::Image4_Click()
{
    m_literatureOpen = true;
    m_picture1->setOpen(true);
    m_picture5->setOpen(false);
    m_listView1->hide();
    m_text1->setEnabled(false);
    Form_Resize();
    m_treeView1->show();
    m_treeView1->setFocus();
}

void Form1::Image5_Click()
{
    m_literatureOpen = false;
    m_picture1->setOpen(false);
    m_picture5->setOpen(true);
    m_treeView1->hide();
    m_text1->setEnabled(true);
    Form_Resize();
    m_listView1->show();
    m_listView1->setFocus();
    m_literatureMode = false;
    StText();
    if (m_index.size() > 0) {
        Label6()->setText(IfLong(selectedWord(), 20));
    } else {
        m_text1->setEnabled(false);
        m_tolk->setEnabled(false);
    }
}

void Form1::Form_Activate()
{
    if (m_starting)
        m_timer2.start();
    if (m_index.size() > 0 && !m_literatureMode && !m_literatureOpen)
        m_listView1->setFocus();
    if (m_index.size() == 0) {
        m_text1->setEnabled(false);
        m_tolk->setEnabled(false);
    }
}

void Form1::Tray1_MouseUp(int button)
{
    if (button == 1)
        FromTray();
    else if (button == 2 || button == 4)  // middle too: some tray hosts keep the right click for their own menu
        emit trayMenuRequested(QCursor::pos());
}

void Form1::ToTray()
{
    // Without a notification area a hidden window could never come back: minimise instead.
    if (!TrayArea::isAvailable()) {
        showMinimized();
        return;
    }
    m_tray1->setIcon(windowIcon());
    m_tray1->setVisible(true);
    hide();
}

void Form1::FromTray()
{
    emit fromTrayRequested();
    showNormal();
    raise();
    activateWindow();
    m_tray1->setVisible(false);
}

void Form1::RequestExit()
{
    if (!ExitNeedsConfirmation(IsAutostartOn(), m_settings)) {
        ExitApp(false);
        return;
    }
    Dialog dialog(m_settings, [this] { ExitApp(false); }, this);
    dialog.exec();
}

ExitState Form1::exitState() const
{
    ExitState state;
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
        state.geometry = TwipsGeometry{double(Twips(x())), double(Twips(y())), double(Twips(width())),
                                       double(Twips(height()))};
    for (qsizetype k = 0; k < m_catalogue.count(); ++k)
        state.books.emplace_back(m_catalogue.book(k).path, m_catalogue.book(k).switchedOn);
    if (m_literatureExitValues)
        state.literature = m_literatureExitValues();
    state.ordinaryList = m_listMode[0]->isChecked();
    if (selectedPosition() > 0)
        state.lastWord = selectedWord();
    return state;
}

void Form1::ExitApp(bool fast)
{
    if (m_exiting)
        return;
    m_exiting = true;
    m_tray1->setVisible(false);
    // Every value of the exit, the other windows' included, goes to the file in one write;
    // the fast exit writes none.
    m_settings.holdWrites();
    if (!fast)
        SaveExitState(exitState(), m_settings);
    QFile::remove(ProgramFolder() + QStringLiteral("/article.doc"));
    m_options.closeToTray = false;
    m_timer1.stop();
    m_timer2.stop();
    emit exitStarted();
    close();
    if (!fast)
        m_settings.commitWrites();
    m_exited = true;
    emit exitRequested();
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (m_exiting) {
        event->accept();
        return;
    }
    if (m_options.closeToTray) {
        event->ignore();
        ToTray();
        return;
    }
    event->accept();
    ExitApp(false);
}

void Form1::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
    QWidget::changeEvent(event);
}

void Form1::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QSize banner(width(), layout::kBannerHeight / kTwipsPerPixel);
    painter.drawPixmap(0, 0, artworkPixmap(QStringLiteral("banner"), banner, devicePixelRatioF()));
    const int emblemSide = banner.height() - 6;
    painter.drawPixmap(6, 3, artworkPixmap(QStringLiteral("emblem"), QSize(emblemSide, emblemSide), devicePixelRatioF()));
}

void Form1::resizeEvent(QResizeEvent *)
{
    Form_Resize();
}

void Form1::keyPressEvent(QKeyEvent *event)
{
    if (!Form_KeyDown(event))
        QWidget::keyPressEvent(event);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Resize:
        if (watched == m_picture2)
            Picture2_Resize();
        else if (watched == m_picture3)
            Picture3_Resize();
        break;
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == m_text1 || watched == m_listView1) {
            if (Form_KeyDown(key))
                return true;
            if (watched == m_text1 && Text1_KeyDown(key))
                return true;
            if (watched == m_listView1 && ListView1_KeyPress(key))
                return true;
        }
        break;
    }
    case QEvent::FocusIn:
        if (watched == m_text1) {
            m_literatureMode = false;
            Text1_Click();
        } else if (watched == m_listView1) {
            ListView1_GotFocus();
        } else if (watched == m_treeView1) {
            m_literatureMode = true;
        }
        break;
    case QEvent::MouseButtonPress:
        if (watched == m_listView1->viewport()) {
            const QModelIndex pressed = m_listView1->indexAt(static_cast<QMouseEvent *>(event)->position().toPoint());
            m_pressedOnSelected = pressed.isValid() && pressed.row() + 1 == selectedPosition();
        }
        break;
    case QEvent::MouseButtonRelease:
        if (watched == m_label3) {
            m_label3->setCursor(Qt::ArrowCursor);
            setLinkColour(false);
            emit aboutRequested();
            m_label3->setCursor(Qt::PointingHandCursor);
        } else if (watched == m_text1) {
            Text1_Click();
        }
        break;
    case QEvent::Enter:
        if (watched == m_label3)
            setLinkColour(true);
        else if (watched == m_toolbar1)
            setLinkColour(false);
        break;
    case QEvent::Leave:
        if (watched == m_label3)
            setLinkColour(false);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

}
