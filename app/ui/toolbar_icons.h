// The pictures of the main toolbar's buttons, drawn for this program; by button key.
#pragma once

#include <QIcon>
#include <QString>

// An empty icon for a key that has no picture (the separators).
QIcon Toolbar_Icon(const QString& key);
