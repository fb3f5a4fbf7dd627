// The run command: the core's sequence, with a wait that keeps the window painting and
// the window's answers to each way a run can end.
#include "ui/main_form.h"

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
    const Result_Grid& grid = run_results.grid;
    if (grid.current_row > 0)
        Post_Grid->setCurrentIndex(result_rows->index(grid.current_row - 1, grid.current_column));
}

void Main_Form::Run_Solver_Painting(const QString& dir, Run_Log& log)
{
    // The solver runs on a thread of its own while this one goes on painting the window
    // (and firing its timers); input stays blocked until the solver has ended, and
    // nothing here touches the exchange files meanwhile.
    QEventLoop wait;
    std::thread solver([&dir, &log, &wait] {
        Run_Solver(dir, log);
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
    Run_Hooks hooks;
    hooks.run_solver = [this](const QString& dir, Run_Log& log) { Run_Solver_Painting(dir, log); };
    const Run_Outcome outcome = Run_Command(session.model, program_dir, settings, run_results, hooks);
    Refresh_Post_Grid();
    Show_Messages(outcome.log.messages);

    switch (outcome.end) {
    case Run_End::Placement_Failed:
        Select_InOut_Tab(Tab_Conditions);
        if (outcome.tab == Editing_Tab::Material_Section)
            Select_MtrlFM_Tab(Tab_Material_Section);
        else if (outcome.tab == Editing_Tab::Constraint_Load)
            Select_MtrlFM_Tab(Tab_Constraint_Load);
        break;
    case Run_End::Data_Failed:
        Select_InOut_Tab(Tab_Conditions);
        Select_MtrlFM_Tab(Tab_Material_Section);
        break;
    case Run_End::Not_Solved:
        // A solver that could not be started says so; one that failed leaves the results covered.
        if (!outcome.log.messages.isEmpty())
            Select_InOut_Tab(Tab_Conditions);
        break;
    case Run_End::Solved:
        Clear_Pictures();
        CalcReqd_Frame->hide();
        break;
    }
    running = false;
}
