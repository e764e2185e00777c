#pragma once

#include <QDialog>

#include <cstdint>
#include <optional>

class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace somnar {

// A town chosen in the reference, read back from the shown column texts.
struct TownChoice {
    QString name;
    std::int16_t latitudeDegrees = 0;
    std::int16_t latitudeMinutes = 0;
    std::int16_t south = 0;  // position in the north/south list
    std::int16_t longitudeDegrees = 0;
    std::int16_t longitudeMinutes = 0;
    std::int16_t west = 0;   // position in the east/west list
};

// "Справочник городов": the towns of the town list with their latitude and longitude, a quick
// search by the beginning of the name, and the choice of one town.
class SpravCity : public QDialog {
    Q_OBJECT
public:
    SpravCity(const QString &townListPath, const QString &currentTown, QWidget *parent = nullptr);

    // Fills the list from the town list file (empty when it cannot be read).
    void LoadList(const QString &townListPath);
    // The town chosen by "Выбрать" or a double click, once the dialog has closed.
    const std::optional<TownChoice> &choice() const { return m_choice; }

    QTreeWidget *ListView1() const { return m_listView1; }
    QLineEdit *Text1() const { return m_text1; }
    QPushButton *Command1() const { return m_command1; }
    QPushButton *Command2() const { return m_command2; }

    void Text1_Change();
    void Command1_Click();

private:
    QTreeWidget *m_listView1 = nullptr;
    QLineEdit *m_text1 = nullptr;
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command2 = nullptr;
    QStringList m_names;
    std::optional<TownChoice> m_choice;
};

}
