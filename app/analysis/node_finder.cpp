#include "analysis/node_finder.h"

#include "model/number_text.h"

Node_Finder::Node_Finder(const NodeTable& table)
{
    nodes_at_.reserve(table.Node_Count());
    for (int i = 0; i < table.Node_Count(); ++i) {
        const QString text = Decimal_Text(table.nodes[i].x);
        const auto it = nodes_at_.find(text);
        if (it == nodes_at_.end())
            nodes_at_.insert(text, {i, i});
        else
            it->second = i;
    }
}

std::optional<int> Node_Finder::First_At(double x) const
{
    const auto it = nodes_at_.constFind(Decimal_Text(x));
    if (it == nodes_at_.constEnd())
        return std::nullopt;
    return it->first;
}

std::optional<int> Node_Finder::Last_At(double x) const
{
    const auto it = nodes_at_.constFind(Decimal_Text(x));
    if (it == nodes_at_.constEnd())
        return std::nullopt;
    return it->second;
}
