#pragma once

#include "analysis/run_log.h"
#include "model/beam_model.h"

#include <QString>

// The editing tab the window shows after a failed placement check.
enum class Editing_Tab { None, Material_Section, Constraint_Load };

// Placement check of the run command: property ranges, then loads, then supports must
// lie on the beam (0 <= x <= L, in mm). Stops at the first position outside, logs its
// message and returns the tab to show; Editing_Tab::None when every position passes.
Editing_Tab Check_Data(const BeamModel& model, Run_Log& log);

// The data checks run while the mesh is built; each returns the one message to show,
// or an empty text.

// Beam length L in mm and the minimum element count as read.
QString Scalar_Check_Message(double length_mm, double count);

// Properties of one node in analysis units, as the checks see them.
struct Property_Values {
    double E = 0;
    double A = 0;
    double Z = 0;
    double I = 0;
    double w = 0;
    double rho = 0;
};
// The last of the failing property checks, in their fixed order.
QString Property_Check_Message(const Property_Values& values, bool self_weight);

inline const QString No_Load_Message =
    QStringLiteral("1箇所以上の荷重入力が必要です。(荷重又はモーメント)");

// Constraint rows restraining each direction (per row, not per node).
struct Restraint_Counts {
    int nX = 0;
    int nY = 0;
    int nR = 0;
};
QString Support_Check_Message(const Restraint_Counts& counts);

// Above this the solver's node limit can never be met, and the mesh would only
// exhaust memory.
inline constexpr double Max_Element_Count = 10921;
