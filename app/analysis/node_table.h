#pragma once

#include <QtGlobal>

#include <vector>

// One node of the mesh of a run, in analysis units (kgf, mm).
struct Node {
    double x = 0;       // position from the left end, mm
    qint16 range = 0;   // property range that covers the node (1, 2, ...); 0 if none
    double E = 0;       // Young's modulus, kgf/mm^2
    double sigma_a = 0; // allowable stress, kgf/mm^2
    double tau_a = 0;   // allowable shear stress, kgf/mm^2
    double rho = 0;     // density, kg/mm^3
    double A = 0;       // area, mm^2
    double Z = 0;       // section modulus, mm^3
    double I = 0;       // second moment of area, mm^4
    double w = 0;       // unit mass, kg/mm
    double F = 0;       // nodal force across the beam, kgf
    double M = 0;       // nodal moment, kgf-mm
    double Tx = 0;      // restraint along the axis, 1 or 0
    double Ty = 0;      // restraint across the axis, 1 or 0
    double Rt = 0;      // restraint of the rotation, 1 or 0
};

// The mesh of the last run: node i (number i + 1) at nodes[i], ascending x; element k
// (number k + 1) joins node k to node k + 1 and takes the properties of node k.
struct NodeTable {
    double length_mm = 0;  // beam length L, mm
    double count = 0;      // minimum element count as read
    qint16 self_weight = 0;
    std::vector<Node> nodes;

    int Node_Count() const { return static_cast<int>(nodes.size()); }
    int Element_Count() const { return nodes.empty() ? 0 : Node_Count() - 1; }
};
