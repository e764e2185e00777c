#include "app/exitdialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace somnar {

Dialog::Dialog(SettingsStore &settings, std::function<void()> exitApp, QWidget *parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_exitApp(std::move(exitApp))
{
    setWindowTitle(QStringLiteral("Завершение работы OKV Somnar"));
    setModal(true);

    auto *question = new QLabel(QStringLiteral("Вы действительно хотите завершить работу OKV Somnar 3 ?"));
    QFont bold = question->font();
    bold.setBold(true);
    question->setFont(bold);
    m_options[0] = new QRadioButton(QStringLiteral("Завершить, но автоматически запустить при следующем входе в систему"));
    m_options[1] = new QRadioButton(QStringLiteral("Закрыть, и отключить автозапуск при входе в систему"));
    m_options[0]->setChecked(true);
    m_check = new QCheckBox(QStringLiteral("Больше не показывать это окно"));

    auto *command1 = new QPushButton(QStringLiteral("Завершить"));
    auto *command2 = new QPushButton(QStringLiteral("Отмена"));
    command1->setDefault(true);
    connect(command1, &QPushButton::clicked, this, &Dialog::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &Dialog::Command2_Click);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_check);
    buttons->addStretch();
    buttons->addWidget(command1);
    buttons->addWidget(command2);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addSpacing(6);
    layout->addWidget(m_options[0]);
    layout->addWidget(m_options[1]);
    layout->addSpacing(6);
    layout->addLayout(buttons);
}

ExitChoice Dialog::choice() const
{
    return {m_options[1]->isChecked(), m_check->isChecked()};
}

void Dialog::Command1_Click()
{
    ApplyExitChoice(choice(), m_settings);
    if (m_exitApp)
        m_exitApp();
    accept();
}

void Dialog::Command2_Click()
{
    reject();
}

}
