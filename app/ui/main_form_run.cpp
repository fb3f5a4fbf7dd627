// The run command: check, write the analysis input, run the solver, import its results.
#include "ui/main_form.h"

#include "analysis/check_data.h"
#include "analysis/input_file.h"
#include "analysis/solver_run.h"
#include "ui/text_table_model.h"

#include <QEventLoop>
#include <QFrame>
#include <QTableView>

#include <thread>

void Main_Form::Refresh_Post_Grid()
{
    result_rows->Refresh();
    // Row 0 of the result table is the header; the view's rows start at row 1.
    if (result_grid.current_row > 0)
        Post_Grid->setCurrentIndex(result_rows->index(result_grid.current_row - 1, result_grid.current_column));
}

void Main_Form::Run_Solver_Painting(Run_Log& log)
{
    // The solver runs on a thread of its own while this one goes on painting the window
    // (and firing its timers); input stays blocked until the solver has ended, and
    // nothing here touches the exchange files meanwhile.
    QEventLoop wait;
    std::thread solver([this, &log, &wait] {
        Run_Solver(program_dir, log);
        QMetaObject::invokeMethod(&wait, &QEventLoop::quit, Qt::QueuedConnection);
    });
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    solver.join();
}

void Main_Form::Start_Calc_Command_Click()
{
    if (running)
        return;
    running = true;
    Run_Log log;

    const Editing_Tab tab = Check_Data(session.model, log);
    if (log.Failed()) {
        Show_Messages(log.messages);
        Select_InOut_Tab(Tab_Conditions);
        if (tab == Editing_Tab::Material_Section)
            Select_MtrlFM_Tab(Tab_Material_Section);
        else if (tab == Editing_Tab::Constraint_Load)
            Select_MtrlFM_Tab(Tab_Constraint_Load);
        running = false;
        return;
    }

    result_grid = SetUpResultGrid();
    Refresh_Post_Grid();
    const NodeTable nodes = Write_Analysis_Input(session.model, Input_File_Path(program_dir), log);
    if (log.Failed()) {
        Show_Messages(log.messages);
        Select_InOut_Tab(Tab_Conditions);
        Select_MtrlFM_Tab(Tab_Material_Section);
        running = false;
        return;
    }

    Run_Solver_Painting(log);
    if (log.Failed()) {
        // The solver could not be started: no result can follow.
        Show_Messages(log.messages);
        Select_InOut_Tab(Tab_Conditions);
        running = false;
        return;
    }

    if (ImportResults(Result_File_Path(program_dir), nodes, settings, result_state, result_grid, log.flag)) {
        Refresh_Post_Grid();
        Clear_Pictures();
    }
    if (!log.Failed())
        CalcReqd_Frame->hide();
    Delete_Exchange_Files(program_dir);
    running = false;
}
