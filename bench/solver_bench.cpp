// Wall time and peak memory of the built Kelvane-1D on generated beams.
// Usage: solver_bench PATH/TO/Kelvane-1D [runs]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

namespace {

// A simply supported beam with a load on every tenth node, as Trabex would write it.
std::string Beam_Input(int nodes)
{
    std::string text = "$ generated beam\r\nMAT,1,21000,1000000,0,10000,0,1000,0\r\n";
    for (int m = 1; m <= nodes; m += 10)
        text += "FORCE," + std::to_string(m) + ",0,10,0,0,0,0\r\n";
    text += "CONST,1,1,1,1,1,1,0\r\nCONST," + std::to_string(nodes) + ",0,1,1,1,1,0\r\n";
    for (int m = 1; m <= nodes; ++m)
        text += "GRID," + std::to_string(m) + "," + std::to_string(m - 1) + ",0,0\r\n";
    for (int e = 1; e < nodes; ++e)
        text += "ELEM_B," + std::to_string(e) + "," + std::to_string(e) + "," + std::to_string(e + 1) + ",1\r\n";
    return text;
}

struct Measure {
    double seconds;
    long peak_kib;
};

Measure Run_Once(const std::filesystem::path& solver)
{
    const std::string program = solver.string();
    char* const argv[] = {const_cast<char*>(program.c_str()), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, nullptr) != 0) {
        std::perror("posix_spawn");
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "solver failed with status %d\n", status);
        std::exit(1);
    }
    return {elapsed.count(), usage.ru_maxrss};
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PATH/TO/Kelvane-1D [runs]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 2 ? std::atoi(argv[2]) : 10;
    const auto dir = std::filesystem::temp_directory_path() / ("kelvane-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const auto solver = dir / "Kelvane-1D";
    std::filesystem::copy_file(argv[1], solver, std::filesystem::copy_options::overwrite_existing);

    std::printf("%8s %14s %14s %16s %16s\n", "nodes", "median [ms]", "max [ms]", "peak RSS [MiB]", "dense K [MiB]");
    for (const int nodes : {1000, 3000, 10922}) {
        std::ofstream(dir / "kvanpre.dat", std::ios::binary) << Beam_Input(nodes);
        std::vector<Measure> measures;
        for (int i = 0; i < runs; ++i)
            measures.push_back(Run_Once(solver));
        std::sort(measures.begin(), measures.end(), [](const Measure& a, const Measure& b) { return a.seconds < b.seconds; });
        long peak = 0;
        for (const Measure& m : measures)
            peak = std::max(peak, m.peak_kib);
        // The full matrix and its working copy: two matrices of (3 n)^2 doubles.
        const double dense_mib = 2.0 * 9.0 * nodes * nodes * 8 / (1024.0 * 1024.0);
        std::printf("%8d %14.2f %14.2f %16.1f %16.0f\n", nodes, measures[measures.size() / 2].seconds * 1000,
                    measures.back().seconds * 1000, peak / 1024.0, dense_mib);
    }
    std::filesystem::remove_all(dir);
    return 0;
}
