#pragma once

#include "app/picturegame.h"

#include <QDialog>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <vector>

class QLabel;
class QTreeWidget;

namespace somnar {

// A row of the about window's list: a dictionary or a literature file.
struct AboutRow {
    QString name;
    QString file;
    bool book = true;
};

// "О программе": the version and author, the dictionaries and literature files the program
// has connected, two links to pages shipped with the program, and a picture game.
class FormAbout : public QDialog {
    Q_OBJECT
public:
    static constexpr int kLinkCount = 2;
    static constexpr int kPictureSide = 96;

    FormAbout(const std::vector<AboutRow> &rows, QWidget *parent = nullptr);

    // The page a link opens: "Как добавить сонник" and the program's help.
    static QString pagePath(int link);

    // How a link's page is opened; the desktop's browser unless replaced (tests).
    void setPageOpener(std::function<void(const QUrl &)> opener) { m_openPage = std::move(opener); }

    void DisLink();
    void Mail_MouseMove(int link);
    void Mail_MouseDown(int link);
    void Image3_DblClick();
    void Timer1_Timer();

    QLabel *Mail(int link) const { return m_mail[link]; }
    QTreeWidget *ListView1() const { return m_listView1; }
    QLabel *Image3() const { return m_image3; }
    const PictureGame &game() const { return m_game; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void createPicture();
    QWidget *createPanel(const std::vector<AboutRow> &rows);
    QLabel *createLink(int link, const QString &caption);
    void setLinkLook(int link, const QColor &color, bool underline);

    QLabel *m_image3 = nullptr;
    QWidget *m_panel3d4 = nullptr;
    QTreeWidget *m_listView1 = nullptr;
    QLabel *m_mail[kLinkCount] = {};
    QTimer m_timer1;
    PictureGame m_game;
    std::function<void(const QUrl &)> m_openPage;
};

}
