#include "calendar/window/calen.h"

#include "calendar/window/lunardayhelp.h"
#include "calendar/window/moonpicture.h"
#include "controls/artwork.h"
#include "controls/process.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QToolBar>
#include <QVBoxLayout>

namespace somnar::calendar {

namespace {

constexpr int kMoonWidth = 32;
constexpr int kLogoSize = 40;

QLabel *BoldLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// A significance text: wrapped, in a sunken box two lines high at least.
QLabel *TextBox(QWidget *parent)
{
    auto *box = new QLabel(parent);
    box->setWordWrap(true);
    box->setFrameShape(QFrame::StyledPanel);
    box->setFrameShadow(QFrame::Sunken);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setMargin(4);
    box->setMinimumHeight(2 * box->fontMetrics().lineSpacing() + 12);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return box;
}

// Wide enough for the longest month name the date picker can show.
int DateFieldWidth(const QDateTimeEdit &edit)
{
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    const QFontMetrics metrics(edit.font());
    int widest = 0;
    for (int month = 1; month <= 12; ++month)
        widest = std::max(widest, metrics.horizontalAdvance(russian.toString(QDate(2000, month, 28), edit.displayFormat())));
    const int frameAndButton = edit.sizeHint().width() - metrics.horizontalAdvance(edit.text());
    return widest + std::max(frameAndButton, 40) + 8;
}

}

Calen::Calen(const SettingsStore &settings, QWidget *owner, const astro::UtcOffsetSource &offset,
             astro::YieldFunction yield)
    : QWidget(owner, Qt::Window)
    , m_logic(settings, offset, std::move(yield))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Календарь сбываемости снов"));
    setWindowIcon(artworkIcon(QStringLiteral("calendar")));

    createHeading();
    createReadings();
    createPickers();
    createPlace();
    layOut();

    connect(&m_logic, &CalenLogic::calculationStarted, this, &Calen::calculationStarted);
    connect(&m_logic, &CalenLogic::calculationFinished, this, &Calen::showReading);
    connect(&m_logic, &CalenLogic::busyEnded, this, &Calen::busyEnded);
    connect(&m_logic, &CalenLogic::pictureChanged, this, &Calen::ShowMoonPhase);
    m_timer1.setInterval(CalenLogic::kClockMilliseconds);
    connect(&m_timer1, &QTimer::timeout, this, &Calen::Timer1_Timer);

    // Opening: the current moment, the town, the clock, then the reading at once.
    ShowPoint();
    SetPicker(m_dtPicker1, m_logic.selectedMoment());
    SetPicker(m_dtPicker2, m_logic.selectedMoment());
    Timer1_Timer();
    m_timer1.start();
    Calculate();
}

Calen::~Calen() = default;

void Calen::createHeading()
{
    m_label6 = new QLabel(QStringLiteral("Календарь сбываемости снов"), this);
    QFont heading = m_label6->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.35);
    m_label6->setFont(heading);

    m_image6 = new QLabel(this);
    m_image6->setPixmap(artworkPixmap(QStringLiteral("lunar-engine"), QSize(kLogoSize, kLogoSize), devicePixelRatioF()));
    m_image6->setToolTip(QStringLiteral("Рассчет лунных дней производится на базе движка OKV Lunovar 2.0"));
    m_image6->setCursor(Qt::PointingHandCursor);
    m_image6->installEventFilter(this);

    m_label10 = new QLabel(QStringLiteral("Введите дату и приблизительное время, когда приснился сон:"), this);
    m_label10->setWordWrap(true);
}

void Calen::createPickers()
{
    m_picture3 = new QWidget(this);
    m_picture4 = new QWidget(this);
    m_dtPicker1.Create(m_picture3, cDateTimePicker::kShortDateCentury, 0, 0, 10, 10);
    m_dtPicker2.Create(m_picture4, cDateTimePicker::kUpDown, 0, 0, 10, 10);
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    const auto setUp = [&](cDateTimePicker &picker, const QString &format, QWidget *container) {
        picker.hWnd()->setLocale(russian);
        picker.setFormat(format);
        picker.setCalendarFont(font());
        picker.setEditFont(m_label8->font());
        picker.setRange(CalenLogic::firstMoment(), CalenLogic::lastMoment());
        // Focus given to the container goes into its picker.
        container->setFocusProxy(picker.hWnd());
    };
    setUp(m_dtPicker1, QStringLiteral("dd MMMM yyyy"), m_picture3);
    setUp(m_dtPicker2, QStringLiteral("HH : mm : ss"), m_picture4);
    const int height = m_dtPicker1.hWnd()->sizeHint().height();
    m_picture3->setFixedSize(DateFieldWidth(*m_dtPicker1.hWnd()), height);
    m_picture4->setFixedSize(m_dtPicker2.hWnd()->sizeHint().width() + 8, height);
    m_dtPicker1.hWnd()->setGeometry(m_picture3->rect());
    m_dtPicker2.hWnd()->setGeometry(m_picture4->rect());

    connect(&m_dtPicker1, &cDateTimePicker::Change, this, &Calen::DTPicker1_Change);
    connect(&m_dtPicker2, &cDateTimePicker::Change, this, &Calen::DTPicker2_Change);
    connect(&m_dtPicker1, &cDateTimePicker::CloseUp, this, &Calen::DTPicker1_ClouseUp);

    m_toolbar1 = new QToolBar(this);
    m_toolbar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_now = m_toolbar1->addAction(QStringLiteral("Сейчас "));
    connect(m_now, &QAction::triggered, this, &Calen::Toolbar1_ButtonClick);
}

void Calen::createReadings()
{
    m_label4 = BoldLabel(QStringLiteral("День недели:"), this);
    m_label12 = new QLabel(QStringLiteral("Понедельник"), this);
    m_text1 = TextBox(this);
    m_label1 = BoldLabel(QStringLiteral("Число месяца:"), this);
    m_label5 = new QLabel(this);
    m_text2 = TextBox(this);
    m_label8 = BoldLabel(QStringLiteral("Лунный день:"), this);
    m_label16 = new QLabel(this);
    m_label3 = new QLabel(this);
    m_label3->setVisible(false);
    m_text3 = TextBox(this);
    m_picture2 = new QLabel(this);
    m_picture2->setFixedSize(kMoonWidth, kMoonWidth);
    m_picture2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_picture2->installEventFilter(this);
}

void Calen::createPlace()
{
    m_label7 = new QLabel(this);
    m_label7->setToolTip(QStringLiteral("Настройки точного расчета"));
    m_label7->setCursor(Qt::PointingHandCursor);
    QFont link = m_label7->font();
    link.setUnderline(true);
    m_label7->setFont(link);
    QPalette palette = m_label7->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
    m_label7->setPalette(palette);
    m_label7->installEventFilter(this);
    m_label9 = new QLabel(this);
    m_label2 = new QLabel(
        QStringLiteral("Сны, приснившиеся в канун больших церковных праздников, зачастую обладают важным смыслом."), this);
    m_label2->setWordWrap(true);
    QFont note = m_label2->font();
    note.setItalic(true);
    m_label2->setFont(note);
    m_process1 = new Process(this);
    m_process1->setFixedSize(m_process1->size());
    m_process1->setVisible(false);
}

void Calen::layOut()
{
    auto *top = new QHBoxLayout;
    top->addWidget(m_label6, 1);
    top->addWidget(m_image6);

    auto *moment = new QHBoxLayout;
    moment->addWidget(m_picture3);
    moment->addWidget(m_picture4);
    moment->addWidget(m_toolbar1);
    moment->addStretch(1);

    auto *readings = new QGridLayout;
    readings->setColumnStretch(2, 1);
    readings->addWidget(m_label4, 0, 0);
    readings->addWidget(m_label12, 0, 1, 1, 2);
    readings->addWidget(m_text1, 1, 0, 1, 4);
    readings->addWidget(m_label1, 2, 0);
    readings->addWidget(m_label5, 2, 1, 1, 2);
    readings->addWidget(m_text2, 3, 0, 1, 4);
    readings->addWidget(m_label8, 4, 0);
    readings->addWidget(m_label16, 4, 1);
    readings->addWidget(m_label3, 4, 2);
    readings->addWidget(m_picture2, 4, 3, Qt::AlignRight | Qt::AlignBottom);
    readings->addWidget(m_text3, 5, 0, 1, 4);

    auto *place = new QHBoxLayout;
    place->addWidget(m_label7);
    place->addWidget(m_label9, 1);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_label2, 1);
    bottom->addWidget(m_process1, 0, Qt::AlignBottom);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_label10);
    layout->addLayout(moment);
    layout->addSpacing(6);
    layout->addLayout(readings);
    layout->addSpacing(6);
    layout->addLayout(place);
    layout->addLayout(bottom);
    setMinimumWidth(460);
}

void Calen::Calculate()
{
    m_logic.Calculate();
}

void Calen::calculationStarted()
{
    setCursor(Qt::WaitCursor);
    m_process1->setVisible(true);
    m_process1->ProgressPlay();
    m_process1->repaint();
}

void Calen::showReading()
{
    if (m_logic.hasReading()) {
        const CalendarReading &r = m_logic.reading();
        m_label12->setText(r.weekdayName);
        m_text1->setText(r.weekdayText);
        m_label5->setText(QString::number(r.day));
        m_text2->setText(r.dayText);
        if (r.lunarDay.number > 0) {
            m_label3->setText(m_logic.periodText());
            m_label3->setVisible(true);
            m_label16->setText(QString::number(r.lunarDay.number));
            m_text3->setText(r.lunarText);
            m_picture2->setProperty("Tag", QString::number(r.lunarDay.number));
        }
    }
    unsetCursor();
}

void Calen::busyEnded()
{
    m_process1->setVisible(false);
    m_process1->ProgressStop();
}

void Calen::SetPicker(cDateTimePicker &picker, double localMoment)
{
    picker.setValue(ToPickerValue(localMoment));
}

double Calen::GetPicker(const cDateTimePicker &picker) const
{
    return CalendarMoment(picker.value());
}

void Calen::DTPicker1_Change()
{
    m_logic.setSelectedMoment(GetPicker(m_dtPicker1));
    SetPicker(m_dtPicker2, m_logic.selectedMoment());
    m_logic.BCalculate();
}

void Calen::DTPicker2_Change()
{
    m_logic.setSelectedMoment(GetPicker(m_dtPicker2));
    SetPicker(m_dtPicker1, m_logic.selectedMoment());
    m_logic.BCalculate();
}

void Calen::DTPicker1_ClouseUp()
{
    m_dtPicker1.hWnd()->setFocus();
}

void Calen::Toolbar1_ButtonClick()
{
    m_logic.setSelectedMoment(CurrentLocalMoment());
    SetPicker(m_dtPicker1, m_logic.selectedMoment());
    SetPicker(m_dtPicker2, m_logic.selectedMoment());
    Calculate();
}

void Calen::Timer1_Timer()
{
    const QString clock = ClockText(QDateTime::currentDateTime());
    m_toolbar1->setToolTip(clock);
    m_now->setToolTip(clock);
}

void Calen::ShowPoint()
{
    m_label7->setText(m_logic.cityText());
    m_label9->setText(m_logic.pointText());
}

void Calen::ShowMoonPhase(int n)
{
    m_shownPicture = std::clamp(n, 1, kMoonPictureCount);
    m_picture2->setPixmap(MoonPicture(m_shownPicture, kMoonWidth, devicePixelRatioF()));
}

void Calen::Label7_Click()
{
    if (!m_openLocationOptions)
        return;
    m_openLocationOptions(this);
    m_logic.CheckGeo();
    ShowPoint();
    Calculate();
}

void Calen::Image6_Click()
{
    OpenLunarDayHelp(this);
}

void Calen::Picture2_DblClick()
{
    m_logic.startPhaseAnimation();
}

bool Calen::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && watched == m_label7)
            Label7_Click();
        else if (mouse->button() == Qt::LeftButton && watched == m_image6)
            Image6_Click();
    } else if (event->type() == QEvent::MouseButtonDblClick && watched == m_picture2) {
        Picture2_DblClick();
    }
    return QWidget::eventFilter(watched, event);
}

void Calen::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Calen::closeEvent(QCloseEvent *event)
{
    emit closed();
    QWidget::closeEvent(event);
}

}
