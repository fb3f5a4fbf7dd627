#include "ui/main_form.h"

#include "model/beam_model.h"
#include "model/units.h"
#include "ui/main_grids.h"
#include "ui/numeric_field.h"
#include "ui/toolbar_icons.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStackedLayout>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString Element_Count_Hint = QStringLiteral(
    "FEM計算に必要な値です。（入力必須） 多いほど計算時間を要しますが、精度が向上します。(500以上推奨) ");

QFrame* Make_Picture(const QString& name, QWidget* parent)
{
    auto* picture = new QFrame(parent);
    picture->setObjectName(name);
    picture->setFrameShape(QFrame::StyledPanel);
    picture->setAutoFillBackground(true);
    picture->setMinimumSize(160, 100);
    return picture;
}

QTabBar* Make_Tab_Bar(const QString& name, const QStringList& captions, QWidget* parent)
{
    auto* tabs = new QTabBar(parent);
    tabs->setObjectName(name);
    for (const QString& caption : captions)
        tabs->addTab(caption);
    tabs->setExpanding(false);
    tabs->setDrawBase(true);
    return tabs;
}

} // namespace

Main_Form::Main_Form(const QString& program_dir_, Ui_Services& services_, QWidget* parent)
    : QMainWindow(parent), program_dir(program_dir_), services(services_)
{
    setObjectName(QStringLiteral("Main_Form"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, &Main_Form::Timer1_Timer);
    LenUnit_Timer = new QTimer(this);
    LenUnit_Timer->setObjectName(QStringLiteral("LenUnit_Timer"));
    LenUnit_Timer->setInterval(500);
    connect(LenUnit_Timer, &QTimer::timeout, this, &Main_Form::LenUnit_Timer_Timer);

    Make_Menus();
    Make_Toolbar();

    auto* centre = new QWidget(this);
    auto* column = new QVBoxLayout(centre);
    column->setContentsMargins(6, 4, 6, 2);
    column->setSpacing(4);
    InOut_TabStrip = Make_Tab_Bar(QStringLiteral("InOut_TabStrip"),
                                  {QStringLiteral("条件設定"), QStringLiteral("計算及び結果")}, centre);
    column->addWidget(InOut_TabStrip);
    column->addWidget(Make_Beam_Fields());
    Input_Frame = Make_Input_Frame();
    Result_Frame = Make_Result_Frame();
    column->addWidget(Input_Frame, 1);
    column->addWidget(Result_Frame, 1);
    Result_Frame->hide();
    setCentralWidget(centre);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(StatusBar1);

    connect(InOut_TabStrip, &QTabBar::currentChanged, this, &Main_Form::InOut_TabStrip_Click);
    connect(MtrlFM_TabStrip, &QTabBar::currentChanged, this, &Main_Form::MtrlFM_TabStrip_Click);
    MtrlFM_TabStrip_Click();

    resize(1200, 820);
}

Main_Form::~Main_Form() = default;

QWidget* Main_Form::Make_Beam_Fields()
{
    auto* fields = new QWidget(this);
    auto* row = new QHBoxLayout(fields);
    row->setContentsMargins(0, 0, 0, 0);

    Length_Text = new QLineEdit(fields);
    Length_Text->setObjectName(QStringLiteral("Length_Text"));
    Length_Text->setAlignment(Qt::AlignRight);
    Length_Text->setFixedWidth(Twips_To_Pixels_X(1100, *Length_Text));
    Length_UnitCombo = new QComboBox(fields);
    Length_UnitCombo->setObjectName(QStringLiteral("Length_UnitCombo"));
    Length_UnitCombo->setEditable(true);
    Length_UnitCombo->addItems(Length_Units());
    Length_UnitCombo->setInsertPolicy(QComboBox::NoInsert);
    Sep_Fig_Combo = new QComboBox(fields);
    Sep_Fig_Combo->setObjectName(QStringLiteral("Sep_Fig_Combo"));
    Sep_Fig_Combo->setEditable(true);
    Sep_Fig_Combo->addItems(Element_Count_Choices());
    Sep_Fig_Combo->setInsertPolicy(QComboBox::NoInsert);
    Sep_Fig_Combo->setToolTip(Element_Count_Hint);

    auto* length_label = new QLabel(QStringLiteral("梁の長さ："), fields);
    length_label->setBuddy(Length_Text);
    auto* count_label = new QLabel(QStringLiteral("最小要素分割数："), fields);
    count_label->setBuddy(Sep_Fig_Combo);
    row->addWidget(length_label);
    row->addWidget(Length_Text);
    row->addWidget(Length_UnitCombo);
    row->addSpacing(24);
    row->addWidget(count_label);
    row->addWidget(Sep_Fig_Combo);
    row->addStretch(1);

    Numeric_Field* length_field = Numeric_Field::Install(Length_Text, services);
    connect(length_field, &Numeric_Field::Calc_Required, this, &Main_Form::Set_Calc_Required);
    connect(length_field, &Numeric_Field::Text_Changed, this, &Main_Form::Length_Text_Change);
    connect(Length_UnitCombo, &QComboBox::editTextChanged, this, &Main_Form::Length_UnitCombo_Change);
    connect(Length_UnitCombo, &QComboBox::activated, this, &Main_Form::Length_UnitCombo_Click);
    connect(Sep_Fig_Combo, &QComboBox::editTextChanged, this, &Main_Form::Sep_Fig_Combo_Change);
    return fields;
}

QGroupBox* Main_Form::Make_Grid_Frame(const QString& name, const QString& caption, QTableView*& grid)
{
    auto* frame = new QGroupBox(caption, this);
    frame->setObjectName(name);
    grid = new QTableView(frame);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(grid);
    return frame;
}

QWidget* Main_Form::Make_Input_Frame()
{
    auto* frame = new QWidget(this);
    frame->setObjectName(QStringLiteral("Input_Frame"));
    auto* column = new QVBoxLayout(frame);
    column->setContentsMargins(0, 0, 0, 0);

    // The schematic; the self-weight box sits in its corner on the same background.
    Pre_Picture = Make_Picture(QStringLiteral("Pre_Picture"), frame);
    Pre_Picture->setMinimumHeight(140);
    Jiju_Check = new QCheckBox(QStringLiteral("自重考慮"), Pre_Picture);
    Jiju_Check->setObjectName(QStringLiteral("Jiju_Check"));
    Jiju_Check->setAutoFillBackground(true);
    auto* corner = new QVBoxLayout(Pre_Picture);
    corner->addWidget(Jiju_Check, 0, Qt::AlignLeft | Qt::AlignTop);
    corner->addStretch(1);
    connect(Jiju_Check, &QCheckBox::clicked, this, &Main_Form::Jiju_Check_Click);

    MtrlFM_TabStrip = Make_Tab_Bar(QStringLiteral("MtrlFM_TabStrip"),
                                   {QStringLiteral("材質・断面特性"), QStringLiteral("拘束・荷重・モーメント")}, frame);

    auto* panels = new QWidget(frame);
    auto* row = new QHBoxLayout(panels);
    row->setContentsMargins(0, 0, 0, 0);

    Mtrl_Frame = new QGroupBox(QStringLiteral("プロパティ設定(材質・断面特性)"), panels);
    Mtrl_Frame->setObjectName(QStringLiteral("Mtrl_Frame"));
    auto* tables = new QHBoxLayout(Mtrl_Frame);
    tables->setContentsMargins(6, 6, 6, 6);
    Prop_Set_Grid = new QTableView(Mtrl_Frame);
    MaterialList_Grid = new QTableView(Mtrl_Frame);
    SectPropList_Grid = new QTableView(Mtrl_Frame);
    auto* lists = new QVBoxLayout;
    lists->addWidget(MaterialList_Grid);
    lists->addWidget(SectPropList_Grid);
    tables->addWidget(Prop_Set_Grid, 5);
    tables->addLayout(lists, 8);

    Constraint_Frame = Make_Grid_Frame(QStringLiteral("Constraint_Frame"), QStringLiteral("拘束条件"), CsrtSet_Grid);
    FrceMmnt_Frame = Make_Grid_Frame(QStringLiteral("FrceMmnt_Frame"), QStringLiteral("荷重・モーメント"), FMSet_Grid);
    row->addWidget(Mtrl_Frame, 1);
    row->addWidget(Constraint_Frame, 1);
    row->addWidget(FrceMmnt_Frame, 1);

    range_rows = Set_Up_Grid(*Prop_Set_Grid, Prop_Set_Grid_Layout(), [this] { return Range_Rows(session.model); });
    material_rows =
        Set_Up_Grid(*MaterialList_Grid, MaterialList_Grid_Layout(), [this] { return Material_Rows(session.model); });
    section_rows =
        Set_Up_Grid(*SectPropList_Grid, SectPropList_Grid_Layout(), [this] { return Section_Rows(session.model); });
    Prop_Set_Grid->setMinimumWidth(Width_Of_All_Columns(*Prop_Set_Grid));
    load_rows = Set_Up_Grid(*FMSet_Grid, FMSet_Grid_Layout(), [this] { return Load_Rows(session.model); });
    constraint_rows =
        Set_Up_Grid(*CsrtSet_Grid, CsrtSet_Grid_Layout(), [this] { return Constraint_Rows(session.model); });

    auto* splitter = new QSplitter(Qt::Vertical, frame);
    auto* lower = new QWidget(splitter);
    auto* lower_column = new QVBoxLayout(lower);
    lower_column->setContentsMargins(0, 0, 0, 0);
    lower_column->setSpacing(0);
    lower_column->addWidget(MtrlFM_TabStrip);
    lower_column->addWidget(panels, 1);
    splitter->addWidget(Pre_Picture);
    splitter->addWidget(lower);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({400, 600});
    splitter->setChildrenCollapsible(false);
    column->addWidget(splitter);
    return frame;
}

QWidget* Main_Form::Make_Result_Frame()
{
    auto* frame = new QWidget(this);
    frame->setObjectName(QStringLiteral("Result_Frame"));
    // The covering frame lies over the whole result area, on top of the results.
    auto* cover = new QStackedLayout(frame);
    cover->setStackingMode(QStackedLayout::StackAll);

    auto* results = new QWidget(frame);
    auto* grid = new QGridLayout(results);
    grid->setContentsMargins(0, 0, 0, 0);

    auto* diagrams = new QWidget(results);
    auto* diagram_column = new QVBoxLayout(diagrams);
    diagram_column->setContentsMargins(0, 0, 0, 0);
    diagram_column->setSpacing(0);
    TabStrip1 = Make_Tab_Bar(QStringLiteral("TabStrip1"), {QStringLiteral("BMD"), QStringLiteral("SFD")}, diagrams);
    diagram_pages = new QStackedWidget(diagrams);
    BMD_Picture = Make_Picture(QStringLiteral("BMD_Picture"), diagram_pages);
    SFD_Picture = Make_Picture(QStringLiteral("SFD_Picture"), diagram_pages);
    diagram_pages->addWidget(BMD_Picture);
    diagram_pages->addWidget(SFD_Picture);
    connect(TabStrip1, &QTabBar::currentChanged, diagram_pages, &QStackedWidget::setCurrentIndex);
    diagram_column->addWidget(TabStrip1);
    diagram_column->addWidget(diagram_pages, 1);

    Stress_Disp_Picture = Make_Picture(QStringLiteral("Stress_Disp_Picture"), results);

    Frame5 = new QGroupBox(QStringLiteral("計算結果(数値)"), results);
    Frame5->setObjectName(QStringLiteral("Frame5"));
    Post_Grid = new QTableView(Frame5);
    auto* table = new QVBoxLayout(Frame5);
    table->setContentsMargins(6, 6, 6, 6);
    table->addWidget(Post_Grid);
    result_rows = Set_Up_Grid(*Post_Grid, Post_Grid_Layout(), [this] { return Result_Rows(run_results.grid); });
    Post_Grid->horizontalHeader()->setFixedHeight(
        std::max(Twips_To_Pixels_Y(Post_Grid_Header_Height, *Post_Grid), Post_Grid->fontMetrics().height() + 6));
    Post_Grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Post_Grid->setMinimumWidth(Width_Of_All_Columns(*Post_Grid));
    Post_Grid->setMinimumHeight(Post_Grid->horizontalHeader()->height() +
                                (Post_Grid_Rows - 1) * Post_Grid->verticalHeader()->defaultSectionSize() +
                                2 * Post_Grid->frameWidth());

    // The table keeps the height of its rows; the diagrams and the coloured beam take
    // what the window gives.
    Post_Grid->setMaximumHeight(Post_Grid->minimumHeight());
    grid->addWidget(diagrams, 0, 0);
    grid->addWidget(Frame5, 0, 1, Qt::AlignTop);
    grid->addWidget(Stress_Disp_Picture, 1, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(0, 1);
    grid->setRowStretch(1, 1);

    CalcReqd_Frame = new QFrame(frame);
    CalcReqd_Frame->setObjectName(QStringLiteral("CalcReqd_Frame"));
    CalcReqd_Frame->setFrameShape(QFrame::StyledPanel);
    CalcReqd_Frame->setAutoFillBackground(true);
    Picture1 = new QLabel(CalcReqd_Frame);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(Toolbar_Icon(QStringLiteral("CalcStart_Mn1")).pixmap(96, 96));
    Picture1->setCursor(Qt::PointingHandCursor);
    Picture1->installEventFilter(this);
    Start_Calc_Command = new QPushButton(QStringLiteral("計算開始"), CalcReqd_Frame);
    Start_Calc_Command->setObjectName(QStringLiteral("Start_Calc_Command"));
    Start_Calc_Command->setMinimumSize(Twips_To_Pixels_X(1800, *Start_Calc_Command),
                                       Twips_To_Pixels_Y(500, *Start_Calc_Command));
    connect(Start_Calc_Command, &QPushButton::clicked, this, &Main_Form::Start_Calc_Command_Click);
    auto* centred = new QVBoxLayout(CalcReqd_Frame);
    centred->addStretch(1);
    centred->addWidget(Picture1, 0, Qt::AlignHCenter);
    centred->addWidget(Start_Calc_Command, 0, Qt::AlignHCenter);
    centred->addStretch(1);

    cover->addWidget(results);
    cover->addWidget(CalcReqd_Frame);
    cover->setCurrentWidget(CalcReqd_Frame);
    return frame;
}

bool Main_Form::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Picture1 && event->type() == QEvent::MouseButtonRelease) {
        Start_Calc_Command_Click();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
