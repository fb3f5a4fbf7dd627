#include "ui/recent_files_form.h"

#include "model/date_time_text.h"
#include "model/recent_files.h"
#include "ui/twips.h"
#include "ui/ui_services.h"

#include <QAction>
#include <QCheckBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

Recent_Files_Form::Recent_Files_Form(const QString& program_dir, Ui_Services& services, QWidget* parent)
    : QDialog(parent), program_dir(program_dir), services(services)
{
    setObjectName(QStringLiteral("Recent_Files_Form"));
    setWindowTitle(QStringLiteral("最近開いたファイル"));

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setContextMenuPolicy(Qt::CustomContextMenu);

    Check1 = new QCheckBox(QStringLiteral("読込不可(リンク切れ)ファイルも表示"), this);
    Check1->setObjectName(QStringLiteral("Check1"));

    OKCommand = new QPushButton(QStringLiteral("OK"), this);
    OKCommand->setObjectName(QStringLiteral("OKCommand"));
    CancelCommand = new QPushButton(QStringLiteral("Cancel"), this);
    CancelCommand->setObjectName(QStringLiteral("CancelCommand"));
    OKCommand->setAutoDefault(false);
    CancelCommand->setAutoDefault(false);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);

    List1_Menu = new QMenu(this);
    List1_Menu->setObjectName(QStringLiteral("List1_Menu"));
    const QAction* open_selection = Add_Menu_Action(QStringLiteral("選択項目を開く(&O)"), "Open_Selection");
    const QAction* selection_delete = Add_Menu_Action(QStringLiteral("選択項目を履歴から削除(&D)"), "Selection_Delete");
    const QAction* all_delete_link =
        Add_Menu_Action(QStringLiteral("読込不可ファイルをすべて履歴から削除(&A)"), "All_Delete_Link");
    const QAction* all_delete = Add_Menu_Action(QStringLiteral("全ての履歴を削除(&E)"), "All_Delete");
    List1_Menu->addSeparator();
    const QAction* close_this_window = Add_Menu_Action(QStringLiteral("閉じる(&Q)"), "Close_This_Window");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Check1);
    buttons->addStretch(1);
    buttons->addWidget(OKCommand);
    buttons->addWidget(CancelCommand);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(List1, 1);
    layout->addLayout(buttons);
    layout->addWidget(StatusBar1);
    // Narrower, the status bar would cut off the modification time.
    const QString date = General_Date_Time_Text(QDateTime(QDate(2000, 12, 28), QTime(20, 58, 58)));
    const QString widest_status =
        QStringLiteral("作成日時 : ") + date + QStringLiteral("   ") + QStringLiteral("更新日時 : ") + date;
    setMinimumWidth(StatusBar1->fontMetrics().horizontalAdvance(widest_status) + Twips_To_Pixels_X(600, *this));
    resize(Twips_To_Pixels_X(8400, *this), Twips_To_Pixels_Y(4800, *this));

    connect(Check1, &QCheckBox::clicked, this, &Recent_Files_Form::List_Load);
    connect(List1, &QListWidget::itemSelectionChanged, this, &Recent_Files_Form::List1_Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, &Recent_Files_Form::Open_Selection_Click);
    connect(List1, &QWidget::customContextMenuRequested, this, &Recent_Files_Form::List1_Context_Menu);
    connect(OKCommand, &QPushButton::clicked, this, &Recent_Files_Form::Open_Selection_Click);
    connect(CancelCommand, &QPushButton::clicked, this, &QDialog::reject);
    connect(open_selection, &QAction::triggered, this, &Recent_Files_Form::Open_Selection_Click);
    connect(selection_delete, &QAction::triggered, this, &Recent_Files_Form::Selection_Delete_Click);
    connect(all_delete_link, &QAction::triggered, this, &Recent_Files_Form::All_Delete_Link_Click);
    connect(all_delete, &QAction::triggered, this, &Recent_Files_Form::All_Delete_Click);
    connect(close_this_window, &QAction::triggered, this, &QDialog::reject);

    List_Load();
}

QAction* Recent_Files_Form::Add_Menu_Action(const QString& caption, const char* name)
{
    QAction* action = List1_Menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QString Recent_Files_Form::Selected_Text() const
{
    const QListWidgetItem* item = List1->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void Recent_Files_Form::List_Load()
{
    List1->clear();
    List1->addItems(::List_Load(program_dir, Check1->isChecked()));
    StatusBar1->clearMessage();
}

void Recent_Files_Form::List1_Click()
{
    const QString selected = Selected_Text();
    if (selected.isEmpty())
        StatusBar1->clearMessage();
    else
        StatusBar1->showMessage(File_Dates_Text(program_dir, selected));
}

void Recent_Files_Form::List1_Context_Menu(const QPoint& position)
{
    // The entry under the pointer is the one the menu acts on.
    if (QListWidgetItem* item = List1->itemAt(position))
        List1->setCurrentItem(item);
    List1_Menu->popup(List1->viewport()->mapToGlobal(position));
}

void Recent_Files_Form::Open_Selection_Click()
{
    const QString selected = Selected_Text();
    if (selected.isEmpty()) {
        services.Show_Message(QStringLiteral("ファイルが選択されていません。"));
        return;
    }
    emit Open_Recent_File(Resolve_Path(program_dir, selected));
    accept();
}

void Recent_Files_Form::Selection_Delete_Click()
{
    const QString selected = Selected_Text();
    if (!selected.isEmpty())
        Selection_Delete(program_dir, selected);
    List_Load();
}

void Recent_Files_Form::All_Delete_Link_Click()
{
    All_Delete_Link(program_dir);
    List_Load();
}

void Recent_Files_Form::All_Delete_Click()
{
    if (services.Ask_Yes_No(QStringLiteral("全てのリンクを削除します。よろしいですか？"), QStringLiteral("Notice!")))
        All_Delete(program_dir);
    List_Load();
}
