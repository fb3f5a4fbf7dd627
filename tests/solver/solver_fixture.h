// Helpers for the solver tests: analysis input files written as Trabex writes
// them, and runs of the built Kelvane-1D in a private program directory.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace kelvane_test {

struct Node {
    double x;
    bool tx = false, ty = false, rz = false;  // restraints
    double fy = 0, mz = 0;                    // loads
};

struct Beam {
    double E = 21000, I = 1E+06, A = 1000, Zx = 10000;
    std::vector<Node> nodes;
};

// The bulk section Trabex writes for a beam of one property range.
std::string Input_Text(const Beam& beam);

std::string Read_File(const std::filesystem::path& path);
void Write_File(const std::filesystem::path& path, const std::string& bytes);

// Records of one kind from a result file: node number -> fields.
std::map<int, std::vector<std::string>> Records(const std::string& text, const std::string& name);

struct Solver_Run {
    int exit_status = -1;
    bool result_exists = false;
    std::string result;
};

// A private program directory with a copy of the built solver in it.
class Program_Dir {
public:
    Program_Dir();
    ~Program_Dir();
    Program_Dir(const Program_Dir&) = delete;
    Program_Dir& operator=(const Program_Dir&) = delete;

    const std::filesystem::path& Path() const { return dir_; }
    std::filesystem::path Input() const { return dir_ / "kvanpre.dat"; }
    std::filesystem::path Result() const { return dir_ / "kvanpst.dat"; }
    Solver_Run Solve(const std::string& input_bytes) const;
    Solver_Run Run_Solver() const;

private:
    std::filesystem::path dir_;
};

}  // namespace kelvane_test
