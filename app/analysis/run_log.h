#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The run failure flag and the messages a run has to show, in the order they arose.
// Checks only ever set the flag to -1; the run command clears it by starting afresh.
struct Run_Log {
    qint16 flag = 0;
    QStringList messages;

    void Fail(const QString& message)
    {
        flag = -1;
        messages << message;
    }
    bool Failed() const { return flag == -1; }
};
