#pragma once

#include "analysis/node_table.h"
#include "analysis/run_log.h"
#include "model/beam_model.h"
#include "model/project_file.h"

#include <QString>
#include <QStringList>

// The lines of the analysis input file: a header line, the project block, the bulk
// records of the mesh in kgf and mm.
QStringList Input_File_Lines(const BeamModel& model, const NodeTable& table,
                             const Project_Stamp& stamp = Current_Project_Stamp());

// Writes the analysis input file (code page 932, CR LF); a file that cannot be written
// is logged as a failure.
void Write_Input_File(const BeamModel& model, const NodeTable& table, const QString& path, Run_Log& log,
                      const Project_Stamp& stamp = Current_Project_Stamp());

// Meshes the model, computes nodal loads and supports and writes the input file, in
// that order; the data checks log their messages on the way and the later steps still
// run, except that no mesh is built after a failed scalar check. Returns the mesh.
NodeTable Write_Analysis_Input(const BeamModel& model, const QString& path, Run_Log& log,
                               const Project_Stamp& stamp = Current_Project_Stamp());
