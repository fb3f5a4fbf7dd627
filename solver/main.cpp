// Kelvane-1D: analyses the beam of "kvanpre.dat" beside the program and writes "kvanpst.dat".
#include "program_dir.h"
#include "solver_main.h"

int main()
{
    const auto program_dir = kelvane::Program_Directory();
    return program_dir ? kelvane::Solver_Main(*program_dir) : kelvane::Exit_No_Output;
}
