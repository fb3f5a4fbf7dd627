#pragma once

#include "analysis/input_file.h"
#include "analysis/node_table.h"
#include "analysis/run_log.h"
#include "model/beam_model.h"
#include "model/number_text.h"

#include <QStringList>
#include <QTemporaryDir>

// Small builders for the models of the analysis tests, entered as a user would.

inline BeamModel Beam(const QString& length, const QString& count, const QString& unit = QStringLiteral("mm"))
{
    BeamModel model = Default_Beam_Model();
    model.length = length;
    model.length_unit = unit;
    model.element_count = count;
    model.ranges[0].end = length;
    return model;
}

inline LoadRecord Load(LoadKind kind, const QString& position, const QString& value)
{
    return {Load_Kind_Text(kind), position, value};
}

inline ConstraintRecord Support(ConstraintKind kind, const QString& position)
{
    return {Constraint_Kind_Text(kind), position};
}

// A beam on a simple support at the left end and a roller at the right end.
inline BeamModel Supported_Beam(const QString& length, const QString& count)
{
    BeamModel model = Beam(length, count);
    model.constraints = {Support(ConstraintKind::Simple, QStringLiteral("LFT,0,mm")),
                         Support(ConstraintKind::Roller, QStringLiteral("RHT,0,mm"))};
    return model;
}

struct Analysis_Run {
    NodeTable table;
    Run_Log log;
};

// Write_Analysis_Input into a private folder.
inline Analysis_Run Analyse(const BeamModel& model)
{
    const QTemporaryDir dir;
    Analysis_Run run;
    run.table = Write_Analysis_Input(model, dir.filePath(QStringLiteral("kvanpre.dat")), run.log);
    return run;
}

inline QStringList Positions(const NodeTable& table)
{
    QStringList texts;
    for (const Node& node : table.nodes)
        texts << Decimal_Text(node.x);
    return texts;
}

// The node whose position is written as `text`; -1 when there is none.
inline int Node_At(const NodeTable& table, const QString& text)
{
    return static_cast<int>(Positions(table).indexOf(text));
}
