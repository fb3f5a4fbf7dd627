#pragma once

#include "analysis/node_table.h"

#include <QHash>
#include <QString>

#include <optional>
#include <utility>

// Finds the node at a position: node i is at x when both written as 15-digit decimal
// text are equal. Each node's text is computed once, so a lookup costs one formatting
// of x, not one per node.
class Node_Finder {
public:
    explicit Node_Finder(const NodeTable& table);

    // The first, or the last, of the nodes at x in ascending order.
    std::optional<int> First_At(double x) const;
    std::optional<int> Last_At(double x) const;

private:
    QHash<QString, std::pair<int, int>> nodes_at_;
};
