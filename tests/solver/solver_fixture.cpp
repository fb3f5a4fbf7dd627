#include "solver_fixture.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>

#include "number_text.h"

namespace kelvane_test {

std::string Input_Text(const Beam& beam)
{
    using kelvane::Decimal_Text;
    std::ostringstream out;
    const auto line = [&](const std::string& text) { out << text << "\r\n"; };
    line("$ header written by the tests");
    line("$");
    line("START BULK");
    line("$");
    line("$Material_Info,Material_Num,E[kgf/mm2],Ix[mm4],Iy[mm4],Zx[mm3],Zy[mm3],A[mm2],ε[-]");
    line("MAT,1," + Decimal_Text(beam.E) + "," + Decimal_Text(beam.I) + ",0," + Decimal_Text(beam.Zx) + ",0," +
         Decimal_Text(beam.A) + ",0");
    line("$");
    line("$Force_Info,Node_Num,Fx[kgf],Fy[kgf],Fz[kgf],Mx[kgf-mm],My[kgf-mm],Mz[kgf-mm]");
    for (std::size_t m = 0; m < beam.nodes.size(); ++m) {
        const Node& node = beam.nodes[m];
        if (node.fy != 0 || node.mz != 0)
            line("FORCE," + std::to_string(m + 1) + ",0," + Decimal_Text(node.fy) + ",0,0,0," + Decimal_Text(node.mz));
    }
    line("$");
    line("$Constraint_Info,Node_Num,Trans-X,Trans-Y,Trans-Z,Rotate-X,Rotate-Y,Rotate-Z");
    for (std::size_t m = 0; m < beam.nodes.size(); ++m) {
        const Node& node = beam.nodes[m];
        if (node.tx || node.ty || node.rz)
            line("CONST," + std::to_string(m + 1) + "," + (node.tx ? "1" : "0") + "," + (node.ty ? "1" : "0") +
                 ",1,1,1," + (node.rz ? "1" : "0"));
    }
    line("$");
    line("$Node_Info,Node_Num,X[mm],Y[mm],Z[mm]");
    for (std::size_t m = 0; m < beam.nodes.size(); ++m)
        line("GRID," + std::to_string(m + 1) + "," + Decimal_Text(beam.nodes[m].x) + ",0,0");
    line("$");
    out << "$Element_Inf,No.,Node1 No.,Node2 No.,Material No.";
    for (std::size_t e = 1; e < beam.nodes.size(); ++e)
        out << "\r\nELEM_B," << e << "," << e << "," << e + 1 << ",1";
    out << "\r\n";
    return out.str();
}

std::string Read_File(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void Write_File(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

std::map<int, std::vector<std::string>> Records(const std::string& text, const std::string& name)
{
    std::map<int, std::vector<std::string>> records;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::vector<std::string> fields;
        std::istringstream parts(line);
        std::string field;
        while (std::getline(parts, field, ','))
            fields.push_back(field);
        if (fields.size() >= 2 && fields[0] == name)
            records[std::stoi(fields[1])] = fields;
    }
    return records;
}

Program_Dir::Program_Dir()
{
    std::random_device random;
    dir_ = std::filesystem::temp_directory_path() / ("kelvane-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(dir_);
    std::filesystem::copy_file(KELVANE_EXECUTABLE, dir_ / "Kelvane-1D");
}

Program_Dir::~Program_Dir()
{
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

Solver_Run Program_Dir::Run_Solver() const
{
    // Started from another working directory: the solver must find its files beside itself.
    const std::string command = "cd / && '" + (dir_ / "Kelvane-1D").string() + "'";
    const int status = std::system(command.c_str());
    Solver_Run run;
    run.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.result_exists = std::filesystem::exists(Result());
    if (run.result_exists)
        run.result = Read_File(Result());
    return run;
}

Solver_Run Program_Dir::Solve(const std::string& input_bytes) const
{
    Write_File(Input(), input_bytes);
    return Run_Solver();
}

}  // namespace kelvane_test
