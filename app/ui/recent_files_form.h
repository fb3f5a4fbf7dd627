#pragma once

#include <QDialog>

class Ui_Services;
class QAction;
class QCheckBox;
class QListWidget;
class QMenu;
class QPushButton;
class QStatusBar;

// "最近開いたファイル": the list "\Recent.dat" with its removals. Opening an entry hands its
// path to the main window through Open_Recent_File and closes the window.
class Recent_Files_Form : public QDialog {
    Q_OBJECT
public:
    Recent_Files_Form(const QString& program_dir, Ui_Services& services, QWidget* parent = nullptr);

signals:
    // The file to open, with a path below the program directory ("\sub\a.kvx") already
    // resolved, so the file opened is the one whose dates the window showed.
    void Open_Recent_File(const QString& path);

private slots:
    void List_Load();
    void List1_Click();
    void List1_Context_Menu(const QPoint& position);
    void Open_Selection_Click();
    void Selection_Delete_Click();
    void All_Delete_Link_Click();
    void All_Delete_Click();

private:
    QString Selected_Text() const;
    QAction* Add_Menu_Action(const QString& caption, const char* name);

    QString program_dir;
    Ui_Services& services;

    QListWidget* List1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QPushButton* OKCommand = nullptr;
    QPushButton* CancelCommand = nullptr;
    QMenu* List1_Menu = nullptr;
};
