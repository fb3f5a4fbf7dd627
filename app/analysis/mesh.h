#pragma once

#include "analysis/node_table.h"
#include "analysis/run_log.h"
#include "model/beam_model.h"

#include <vector>

// The mesh of a run: uniform nodes, a node with two close neighbours at every load
// point, distributed-load end and support, and the ends of the property ranges.

// Fills L, the count and the self-weight flag of the table and runs the scalar check.
// Returns false when the check failed: no mesh can be built then.
bool Read_Beam_Scalars(const BeamModel& model, NodeTable& table, Run_Log& log);

// The node positions in mm, unsorted and with repeats.
std::vector<double> Build_Nodes(const BeamModel& model, const NodeTable& table);

// Appends v and, with neighbours, the points 5 % of the uniform step either side of it
// that lie strictly inside the beam.
void Add_Node(std::vector<double>& positions, double v, bool neighbours, const NodeTable& table);

void Sort_Positions(std::vector<double>& positions);

// Makes the sorted positions the nodes of the table. Positions whose 15-digit texts are
// equal are one place (the input file and the node lookup know nothing finer), so only
// the first of them is kept: two nodes at one written place would make an element of
// zero length that the solver rejects.
void Merge_Positions(const std::vector<double>& sorted, NodeTable& table);

// Gives each node the properties of the last range covering it and runs the property
// checks; one message, the last remembered, is logged.
void Assign_Properties(const BeamModel& model, NodeTable& table, Run_Log& log);
