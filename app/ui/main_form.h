// Main_Form: the main window. Its frame (tabs, menus, toolbar, status bar, timers), the
// beam fields and grids of the conditions side, the result area, the file commands and
// the run command. The model and the results are the core's; the window shows them and
// passes every message through Ui_Services.
#pragma once

#include "analysis/run_log.h"
#include "model/project_file.h"
#include "model/settings_file.h"
#include "results/import_results.h"
#include "results/result_grid.h"
#include "results/run_command.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

class Text_Table_Model;
class Ui_Services;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStackedWidget;
class QStatusBar;
class QTabBar;
class QTableView;
class QTimer;
class QToolBar;

inline const QString Main_Form_Title_Prefix = QStringLiteral("Trabex(FEM)-Quenth  Version ");

// The tabs of InOut_TabStrip and MtrlFM_TabStrip, by index.
enum InOut_Tab : int { Tab_Conditions = 0, Tab_Results = 1 };
enum MtrlFM_Tab : int { Tab_Material_Section = 0, Tab_Constraint_Load = 1 };

class Main_Form : public QMainWindow {
    Q_OBJECT
public:
    // program_dir is the program directory (the application's own in the program,
    // a private copy in tests); services shows every message and chooser.
    Main_Form(const QString& program_dir, Ui_Services& services, QWidget* parent = nullptr);
    ~Main_Form() override;

    // The start-up steps of the window: title, exchange files deleted, settings loaded,
    // a new project, the window shown.
    void Form_Load();

    const Project_Session& Session() const { return session; }
    const Settings& Current_Settings() const { return settings; }
    const Result_State& Results() const { return run_results.state; }

    // Makes the control blink: five ticks of Timer1, 200 ms first, 40 ms shorter each.
    void Start_Blink(QWidget* target);
    // Set when an entry dialog confirms a load or support; a running blink stops at the
    // next tick while it is off.
    void Set_Blinking_Switched_On(bool on) { blinking_switched_on = on; }
    bool Blinking_Switched_On() const { return blinking_switched_on; }

public slots:
    void New_File_Mn_Click();
    void Open_File_Mn_Click();
    void Recent_Files_Mn_Click();
    void Save_Mn_Click();
    void Save_As_Mn_Click();
    void Quit_Mn_Click();
    void Setting_Mn_Click();
    void Version_Click();
    void Help_Mn_Click();
    void Toolbar1_ButtonClick(QAction* button);

    void InOut_TabStrip_Click();
    void MtrlFM_TabStrip_Click();

    void Start_Calc_Command_Click();

    void Length_Text_Change();
    void Length_UnitCombo_Change();
    void Length_UnitCombo_Click();
    void Sep_Fig_Combo_Change();
    void Jiju_Check_Click();

    void Timer1_Timer();
    void LenUnit_Timer_Timer();

    // The shown results no longer match the model.
    void Set_Calc_Required();
    // Settings applied in Setting_Form.
    void Apply_Setting(const Settings& applied);
    // A project chosen in Recent_Files_Form: read like Open, without a new list entry.
    void Open_Recent_File(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    // A click on Picture1 of CalcReqd_Frame runs the run command.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Make_Menus();
    void Make_Toolbar();
    QWidget* Make_Beam_Fields();
    QWidget* Make_Input_Frame();
    QWidget* Make_Result_Frame();
    QGroupBox* Make_Grid_Frame(const QString& name, const QString& caption, QTableView*& grid);

    void Load_Settings();
    void Show_Settings();
    void Init_Grids();
    void Reset_Window();
    void Read_Project_File(const QString& path, bool add_to_recent);
    void Clear_Pictures();
    void Show_Model();
    void Refresh_Grids();
    void Refresh_Post_Grid();
    void Show_Element_Length();
    void Draw_Prop_Lines();
    void Select_InOut_Tab(int index);
    void Select_MtrlFM_Tab(int index);
    void Show_Messages(const QStringList& messages);
    void Run_Solver_Painting(const QString& dir, Run_Log& log);
    void End_Program();
    void Set_Conditions_Enabled(bool enabled);

    QString program_dir;
    Ui_Services& services;
    Project_Session session;
    Settings settings;
    Run_Results run_results;
    bool running = false;
    bool showing_model = false;

    // Blink state.
    QPointer<QWidget> blink_target;
    qint16 blink_ticks = 0;
    bool blinking_switched_on = false;

    // Menus.
    QMenu* File_Mn = nullptr;
    QAction* New_File_Mn = nullptr;
    QAction* Open_File_Mn = nullptr;
    QAction* Recent_Files_Mn = nullptr;
    QAction* Save_Mn = nullptr;
    QAction* Save_As_Mn = nullptr;
    QAction* Quit_Mn = nullptr;
    QMenu* Set_Cond_Mn = nullptr;
    QAction* Setting_Mn = nullptr;
    QMenu* Etc_Mn = nullptr;

    QToolBar* Toolbar1 = nullptr;
    std::array<QAction*, 15> toolbar_buttons{};
    QStatusBar* StatusBar1 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* LenUnit_Timer = nullptr;

    QTabBar* InOut_TabStrip = nullptr;
    QLineEdit* Length_Text = nullptr;
    QComboBox* Length_UnitCombo = nullptr;
    QComboBox* Sep_Fig_Combo = nullptr;
    QCheckBox* Jiju_Check = nullptr;

    // Conditions side.
    QWidget* Input_Frame = nullptr;
    QFrame* Pre_Picture = nullptr;
    QTabBar* MtrlFM_TabStrip = nullptr;
    QGroupBox* Mtrl_Frame = nullptr;
    QGroupBox* Constraint_Frame = nullptr;
    QGroupBox* FrceMmnt_Frame = nullptr;
    QTableView* Prop_Set_Grid = nullptr;
    QTableView* MaterialList_Grid = nullptr;
    QTableView* SectPropList_Grid = nullptr;
    QTableView* FMSet_Grid = nullptr;
    QTableView* CsrtSet_Grid = nullptr;
    Text_Table_Model* range_rows = nullptr;
    Text_Table_Model* material_rows = nullptr;
    Text_Table_Model* section_rows = nullptr;
    Text_Table_Model* load_rows = nullptr;
    Text_Table_Model* constraint_rows = nullptr;

    // Results side.
    QWidget* Result_Frame = nullptr;
    QFrame* CalcReqd_Frame = nullptr;
    QPushButton* Start_Calc_Command = nullptr;
    QLabel* Picture1 = nullptr;
    QTabBar* TabStrip1 = nullptr;
    QStackedWidget* diagram_pages = nullptr;
    QFrame* BMD_Picture = nullptr;
    QFrame* SFD_Picture = nullptr;
    QFrame* Stress_Disp_Picture = nullptr;
    QGroupBox* Frame5 = nullptr;
    QTableView* Post_Grid = nullptr;
    Text_Table_Model* result_rows = nullptr;
};
