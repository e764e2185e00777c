#include "location/optionsform.h"

#include "app/autostart.h"
#include "app/autostartswitch.h"
#include "app/messages.h"
#include "app/settingsstore.h"
#include "controls/artwork.h"
#include "controls/slider.h"
#include "location/datetimesettings.h"
#include "location/optionstexts.h"
#include "location/spravcity.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTime>
#include <QToolButton>
#include <QVBoxLayout>

namespace somnar {

namespace {
const QSize kTrayPicture(132, 26);

void FillNumbers(QComboBox *combo, int last, const QString &suffix)
{
    QStringList items;
    for (int n = 0; n <= last; ++n)
        items << QString::number(n) + suffix;
    combo->addItems(items);
}

void SelectPosition(QComboBox *combo, int position)
{
    combo->setCurrentIndex(position >= 0 && position < combo->count() ? position : 0);
}
}

OptionsForm::OptionsForm(ProgramOptions &options, SettingsStore &settings, QWidget *parent, QString townListPath)
    : QDialog(parent)
    , m_options(options)
    , m_settings(settings)
    , m_townListPath(std::move(townListPath))
    , m_tabStrip1(new QTabWidget(this))
    , m_command1(new QPushButton(QStringLiteral("Ok"), this))
    , m_command2(new QPushButton(QStringLiteral("Отмена"), this))
{
    setWindowTitle(QStringLiteral("Настройки"));
    m_tabStrip1->addTab(createGeneralPage(), QStringLiteral("Общие"));
    m_tabStrip1->addTab(createLocationPage(), QStringLiteral("Настройки местности"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_command1);
    buttons->addWidget(m_command2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabStrip1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_command1->setDefault(true);

    connect(m_command1, &QPushButton::clicked, this, &OptionsForm::Command1_Click);
    connect(m_command2, &QPushButton::clicked, this, &OptionsForm::reject);
    Form_Load();
}

QWidget *OptionsForm::createGeneralPage()
{
    auto *page = new QWidget;
    m_check2 = new QCheckBox(QStringLiteral("Автоматически загружаться при входе в систему"), page);
    m_check1 = new QCheckBox(QStringLiteral("При закрытии сворачиваться в область уведомлений"), page);
    m_image4 = new QLabel(page);
    m_image4->setPixmap(artworkPixmap(QStringLiteral("tray-area"), kTrayPicture, devicePixelRatioF()));
    m_image4->setFixedSize(kTrayPicture);
    m_label2 = new QLabel(QStringLiteral("1:23"), m_image4);
    m_label2->setGeometry(kTrayPicture.width() - 40, 0, 38, kTrayPicture.height());
    m_label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_label2->setStyleSheet(QStringLiteral("color: white;"));
    m_label2->installEventFilter(this);

    auto *label5 = new QLabel(QStringLiteral("Прозрачность контекстного меню:"), page);
    auto *label6 = new QLabel(QStringLiteral(" (если оконная среда поддерживает прозрачность)"), page);
    label6->setEnabled(false);
    m_slider1 = new Slider(page);
    m_label1 = new QLabel(QStringLiteral("0 %"), page);
    m_label1->setMinimumWidth(m_label1->fontMetrics().horizontalAdvance(QStringLiteral("100 %")));

    auto *tray = new QHBoxLayout;
    tray->addSpacing(22);
    tray->addWidget(m_image4);
    tray->addStretch();
    auto *transparency = new QHBoxLayout;
    transparency->addWidget(m_slider1, 1);
    transparency->addWidget(m_label1);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(m_check2);
    layout->addWidget(m_check1);
    layout->addLayout(tray);
    layout->addSpacing(8);
    layout->addWidget(label5);
    layout->addWidget(label6);
    layout->addLayout(transparency);
    layout->addStretch();

    connect(m_check1, &QCheckBox::clicked, this, &OptionsForm::Check1_Click);
    connect(m_check2, &QCheckBox::clicked, this, &OptionsForm::Check2_Click);
    connect(m_slider1, &Slider::Change, this, &OptionsForm::Slider1_Change);
    return page;
}

QWidget *OptionsForm::createLocationPage()
{
    auto *page = new QWidget;
    auto *label4 = new QGroupBox(QStringLiteral("Населенный пункт"), page);
    m_text1 = new QLineEdit(label4);
    m_toolbar1 = new QToolButton(label4);
    m_toolbar1->setText(QStringLiteral(">>>"));
    m_toolbar1->setToolTip(QStringLiteral("Справочник городов"));
    m_toolbar1->setAutoRaise(true);
    m_combo7 = new QComboBox(label4);
    m_combo8 = new QComboBox(label4);
    m_combo9 = new QComboBox(label4);
    m_combo12 = new QComboBox(label4);
    m_combo11 = new QComboBox(label4);
    m_combo10 = new QComboBox(label4);

    auto *grid = new QGridLayout(label4);
    grid->addWidget(new QLabel(QStringLiteral("Название:"), label4), 0, 0);
    grid->addWidget(m_text1, 0, 1, 1, 3);
    grid->addWidget(m_toolbar1, 0, 4);
    grid->addWidget(new QLabel(QStringLiteral("Широта:"), label4), 1, 0);
    grid->addWidget(m_combo7, 1, 1);
    grid->addWidget(m_combo8, 1, 2);
    grid->addWidget(m_combo9, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Долгота:"), label4), 2, 0);
    grid->addWidget(m_combo12, 2, 1);
    grid->addWidget(m_combo11, 2, 2);
    grid->addWidget(m_combo10, 2, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(3, 1);

    m_command4 = new QPushButton(QStringLiteral("Настройка даты, времени и часового пояса"), page);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(label4);
    layout->addWidget(m_command4);
    layout->addStretch();

    connect(m_toolbar1, &QToolButton::clicked, this, &OptionsForm::Toolbar1_ButtonClick);
    connect(m_command4, &QPushButton::clicked, this, [this] { OpenDateTimeSettings(this); });
    return page;
}

void OptionsForm::Form_Load()
{
    m_slider1->setMin(0);
    m_slider1->setMax(kOpacitySliderMax);
    m_check1->setChecked(m_options.closeToTray);
    Check1_Click();
    m_check2->setChecked(IsAutostartOn());
    Check2_Click();
    m_openingOpacity = m_options.menuTransp;
    const int sliderValue = SliderForOpacity(m_options.menuTransp);
    m_options.menuTransp = OpacityForSlider(sliderValue);
    m_slider1->setValue(sliderValue);
    m_label1->setText(OpacityPercentText(sliderValue));
    CityIni();
}

void OptionsForm::CityIni()
{
    for (QComboBox *combo : {m_combo7, m_combo8, m_combo9, m_combo10, m_combo11, m_combo12})
        combo->clear();
    const QString minute = QStringLiteral("'");
    const QString degree = QStringLiteral("°");
    FillNumbers(m_combo8, 59, minute);
    FillNumbers(m_combo11, 59, minute);
    FillNumbers(m_combo7, 90, degree);
    FillNumbers(m_combo12, 180, degree);
    m_combo9->addItems({QStringLiteral("С.ш."), QStringLiteral("Ю.ш.")});
    m_combo10->addItems({QStringLiteral("В.д."), QStringLiteral("З.д.")});
    const UserLocation &location = m_options.location;
    SelectPosition(m_combo7, location.latitudeDegrees);
    SelectPosition(m_combo8, location.latitudeMinutes);
    SelectPosition(m_combo12, location.longitudeDegrees);
    SelectPosition(m_combo11, location.longitudeMinutes);
    m_combo9->setCurrentIndex(location.latitudeSign == 1 ? 0 : 1);
    m_combo10->setCurrentIndex(location.longitudeSign == 1 ? 0 : 1);
    m_options.location.cityName = m_settings.get(kLocationSection, QStringLiteral("CityName"), QStringLiteral("Москва"));
    m_text1->setText(m_options.location.cityName);
}

void OptionsForm::SetTab(int tab)
{
    m_tabStrip1->setCurrentIndex(tab == 2 ? 1 : 0);
}

bool OptionsForm::ApplySettings()
{
    UserLocation &location = m_options.location;
    location.cityName = m_text1->text();
    location.longitudeDegrees = m_combo12->currentIndex();
    location.longitudeMinutes = m_combo11->currentIndex();
    location.longitudeSign = m_combo10->currentIndex() == 0 ? 1 : -1;
    location.latitudeDegrees = m_combo7->currentIndex();
    location.latitudeMinutes = m_combo8->currentIndex();
    location.latitudeSign = m_combo9->currentIndex() == 0 ? 1 : -1;
    m_options.closeToTray = m_check1->isChecked();
    bool applied = SaveProgramOptions(m_settings, m_options);
    if (!applied) {
        ShowMessage(this, QMessageBox::Warning,
                    QStringLiteral("Не удалось сохранить настройки в файл %1.\n"
                                   "Новые значения действуют до выхода из программы.")
                        .arg(m_settings.filePath()));
    }
    try {
        Autostart autostart;
        if (m_check2->isChecked())
            autostart.Value(kAutostartName, Autostart::programCommand(QCoreApplication::applicationFilePath()));
        else
            autostart.DeleteValue(kAutostartName);
    } catch (const AutostartError &error) {
        ShowMessage(this, QMessageBox::Warning, QString::fromStdString(error.what()));
        applied = false;
    }
    return applied;
}

void OptionsForm::applyTown(const TownChoice &town)
{
    m_text1->setText(town.name);
    SelectPosition(m_combo7, town.latitudeDegrees);
    SelectPosition(m_combo8, town.latitudeMinutes);
    SelectPosition(m_combo9, town.south);
    SelectPosition(m_combo12, town.longitudeDegrees);
    SelectPosition(m_combo11, town.longitudeMinutes);
    SelectPosition(m_combo10, town.west);
}

void OptionsForm::Command1_Click()
{
    ApplySettings();
    accept();
}

void OptionsForm::reject()
{
    m_options.menuTransp = m_openingOpacity;
    QDialog::reject();
}

void OptionsForm::Check1_Click()
{
    m_image4->setVisible(m_check1->isChecked());
}

void OptionsForm::Check2_Click()
{
    if (m_check2->isChecked()) {
        m_check1->setChecked(true);
        m_check1->setEnabled(false);
    } else {
        m_check1->setEnabled(true);
    }
    Check1_Click();
}

void OptionsForm::Slider1_Change(int value)
{
    m_options.menuTransp = OpacityForSlider(value);
    m_label1->setText(OpacityPercentText(value));
}

void OptionsForm::Toolbar1_ButtonClick()
{
    SpravCity reference(m_townListPath, m_text1->text(), this);
    if (reference.exec() == QDialog::Accepted && reference.choice())
        applyTown(*reference.choice());
}

void OptionsForm::Label2_DblClick()
{
    m_label2->setText(QTime::currentTime().toString(QStringLiteral("HH:mm")));
}

bool OptionsForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_label2 && event->type() == QEvent::MouseButtonDblClick) {
        Label2_DblClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}
