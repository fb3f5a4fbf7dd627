// Controls of a window found by their object names, as the tests drive them.
#pragma once

#include <QObject>
#include <QString>

#include <stdexcept>

template <typename T>
T* Child(const QObject& parent, const QString& name)
{
    T* child = parent.findChild<T*>(name);
    if (!child)
        throw std::runtime_error("no control " + name.toStdString());
    return child;
}
