// The largest model the window can produce: element count 1500 and 64 entries of every
// load and support kind.
#pragma once

#include "model/beam_model.h"

#include <QString>

inline BeamModel Largest_Model()
{
    BeamModel model = Default_Beam_Model();
    model.length = QStringLiteral("3000");
    model.ranges[0].end = model.length;
    model.element_count = QStringLiteral("1500");
    model.self_weight = true;
    const int entries = Max_Entries_Per_Kind;
    // Spread every kind over the beam, each kind shifted so that few points coincide.
    const auto place = [&](int kind, int j) { return QString::number(10 + j * 45.3 + kind * 3.7); };
    int kind_index = 0;
    for (const LoadKind kind : All_Load_Kinds()) {
        for (int j = 0; j < entries; ++j) {
            const QString x = place(kind_index, j);
            if (Is_Distributed(kind))
                model.loads.append({Load_Kind_Text(kind), QStringLiteral("LFT,%1,%2,mm").arg(x, place(kind_index + 1, j)),
                                    QStringLiteral("0.5,kg/mm")});
            else if (Load_Group_Of(kind) == LoadGroup::Moment)
                model.loads.append({Load_Kind_Text(kind), QStringLiteral("RHT,%1,mm").arg(x), QStringLiteral("20,N-m")});
            else
                model.loads.append({Load_Kind_Text(kind), QStringLiteral("LFT,%1,mm").arg(x), QStringLiteral("10,kg")});
        }
        ++kind_index;
    }
    for (const ConstraintKind kind : All_Constraint_Kinds()) {
        for (int j = 0; j < entries; ++j) {
            const QString x = place(kind_index, j);
            model.constraints.append({Constraint_Kind_Text(kind), kind == ConstraintKind::User_Defined
                                                                      ? QStringLiteral("LFT,%1,mm,-,Ty,-").arg(x)
                                                                      : QStringLiteral("LFT,%1,mm").arg(x)});
        }
        ++kind_index;
    }
    return model;
}
