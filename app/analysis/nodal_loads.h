#pragma once

#include "analysis/node_finder.h"
#include "analysis/node_table.h"
#include "analysis/run_log.h"
#include "model/beam_model.h"

#include <QtGlobal>

// Loads and supports of the model as nodal values of the mesh. A load or support whose
// position matches no node is dropped without a message.

// Sets F and M of every node and runs the load check.
void Build_Loads(const BeamModel& model, NodeTable& table, Run_Log& log);

void Add_Point_Force(NodeTable& table, const Node_Finder& finder, double x, double P);
void Add_Point_Moment(NodeTable& table, const Node_Finder& finder, double x, double Q);

// Lumps q (kgf/mm) on [x1, x2] onto the nodes by tributary lengths. A load that starts
// and ends at one node carries nothing and is skipped.
void Add_Distributed_Load(NodeTable& table, const Node_Finder& finder, double x1, double x2, double q);

// Lumps the weight of every element half onto each of its nodes.
void Add_Self_Weight(NodeTable& table);

// Sets the restraint flags of every node and runs the support check.
void Build_Supports(const BeamModel& model, NodeTable& table, Run_Log& log);

// ORs the flags (1 or 0) into the node at x: supports at one node combine.
void Set_Support(NodeTable& table, const Node_Finder& finder, double x, qint16 tx, qint16 ty, qint16 rt);
