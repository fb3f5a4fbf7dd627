// What the built solver leaves behind for bad, degenerate and missing input.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "solver_fixture.h"

using namespace kelvane_test;

namespace {

Beam Cantilever()
{
    Beam beam;
    for (double x : {0., 10., 200., 400., 600., 800., 990., 1000.})
        beam.nodes.push_back({x});
    beam.nodes.front().tx = beam.nodes.front().ty = beam.nodes.front().rz = true;
    beam.nodes.back().fy = 100;
    return beam;
}

std::string Error_Tail(int pls_code, const std::string& message)
{
    return "$Error Message\r\n$PLS CODE:" + std::to_string(pls_code) + "\r\n" + message + "\r\n$Error CODE:0\r\n";
}

const std::string Read_Error = "File read error.";
const std::string Driver_Error = "A program may include a bug. Please send kvx file.";
const std::string Zero_Length = "Please check condition. A point of zero may be it in the distance between Nodes.";
const std::string Singular = "Please check condition. Constrain or Force may be insufficiency.";
const std::string Write_Error = "Write file error.";

std::string Replace(std::string text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

struct Failure_Case {
    const char* name;
    std::string input;
    int pls_code;
    std::string message;
};

std::vector<Failure_Case> Failure_Cases()
{
    const std::string good = Input_Text(Cantilever());

    Beam zero_length_fixed;  // both nodes of the zero-length element fully fixed: the solution still succeeds
    zero_length_fixed.nodes = {{0, true, true, true}, {0, true, true, true}, {100}, {200, false, false, false, 50}};
    Beam zero_length_free = Cantilever();  // the infinite entry stays in the system
    zero_length_free.nodes[3].x = zero_length_free.nodes[2].x;
    Beam single_element;
    single_element.nodes = {{0}, {100, false, false, false, 10}};
    Beam no_section_modulus = Cantilever();
    no_section_modulus.Zx = 0;
    Beam too_many_nodes;
    for (int m = 0; m < 10923; ++m)
        too_many_nodes.nodes.push_back({double(m)});

    return {
        {"empty last line", good + "\r\n", 1, Read_Error},
        {"only an empty line", "\r\n", 1, Read_Error},
        {"short record", Replace(good, "GRID,3,200,0,0", "GRID,3,200,0"), 1, Read_Error},
        {"number field with text", Replace(good, "GRID,3,200,0,0", "GRID,3,2OO,0,0"), 1, Read_Error},
        {"not a number", Replace(good, "GRID,3,200,0,0", "GRID,3,nan,0,0"), 1, Read_Error},
        {"infinite value", Replace(good, "GRID,3,200,0,0", "GRID,3,inf,0,0"), 1, Read_Error},
        {"value beyond double", Replace(good, "GRID,3,200,0,0", "GRID,3,1e400,0,0"), 1, Read_Error},
        {"node number 0", good + "FORCE,0,0,1,0,0,0,0\r\n", 1, Read_Error},
        {"negative node number", good + "CONST,-4,1,1,1,1,1,1\r\n", 1, Read_Error},
        {"node number past 16 bits", good + "GRID,40000,0,0,0\r\n", 1, Read_Error},
        {"node number that would exhaust memory", good + "FORCE,1E+12,0,1,0,0,0,0\r\n", 1, Read_Error},
        {"material number past 16 bits", good + "MAT,70000,1,1,0,1,0,1,0\r\n", 1, Read_Error},
        {"more nodes than 16-bit degrees of freedom hold", Input_Text(too_many_nodes), 2, Driver_Error},
        {"element naming a material never read", Replace(good, "ELEM_B,7,7,8,1", "ELEM_B,7,7,8,9"), 2, Driver_Error},
        {"zero-length element between fixed nodes", Input_Text(zero_length_fixed), 3, Zero_Length},
        {"zero-length element, then a failed solution", Input_Text(zero_length_free), 4, Singular},
        {"single element without supports", Input_Text(single_element), 4, Singular},
        {"no records at all", "", 4, Singular},
        {"section modulus 0", Input_Text(no_section_modulus), 5, Write_Error},
    };
}

}  // namespace

TEST(Solver_Failures, Each_Gives_Its_Code_And_The_Input_Followed_By_The_Error_Lines)
{
    for (const Failure_Case& c : Failure_Cases()) {
        SCOPED_TRACE(c.name);
        const Program_Dir dir;
        Write_File(dir.Result(), "DEF,1,0,0,0\r\nan earlier result\r\n");
        const Solver_Run run = dir.Solve(c.input);
        EXPECT_EQ(run.exit_status, 1);
        ASSERT_TRUE(run.result_exists);
        const std::string separator = c.input.empty() || c.input.back() == '\n' ? "" : "\r\n";
        EXPECT_EQ(run.result, c.input + separator + Error_Tail(c.pls_code, c.message));
    }
}

TEST(Solver_Failures, Records_In_Any_Order_With_Comments_Blank_Lines_And_Ignored_Names)
{
    const std::string good = Input_Text(Cantilever());
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < good.size();) {
        const std::size_t end = good.find("\r\n", start);
        lines.push_back(good.substr(start, end - start));
        start = end + 2;
    }
    std::string shuffled = "force,8,0,999,0,0,0,0\r\n GRID,8,5000,0,0\r\n\r\n   \r\n";
    for (auto line = lines.rbegin(); line != lines.rend(); ++line)
        shuffled += *line + "\r\n\r\n";
    shuffled += "$ the end";

    const Program_Dir dir;
    const std::string expected = dir.Solve(good).result.substr(good.size());
    const Solver_Run run = dir.Solve(shuffled);
    ASSERT_EQ(run.exit_status, 0);
    EXPECT_EQ(run.result, shuffled + "\r\n" + expected);
}

TEST(Solver_Failures, Half_Restrained_Direction_Is_Free)
{
    Beam beam = Cantilever();
    const Program_Dir dir;
    const std::string free_tip = dir.Solve(Input_Text(beam)).result;
    const std::string input = Input_Text(beam) + "CONST,8,0,0.5,1,1,1,0\r\n";
    const Solver_Run run = dir.Solve(input);
    ASSERT_EQ(run.exit_status, 0);
    EXPECT_EQ(Records(run.result, "DEF").at(8), Records(free_tip, "DEF").at(8));
    EXPECT_EQ(Records(run.result, "RE_FORCE").at(8), (std::vector<std::string>{"RE_FORCE", "8", "0", "0", "0"}));
}

TEST(Solver_Failures, Binary_Garbage_Ends_With_An_Error_File)
{
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 7919) % 256);
    const Program_Dir dir;
    const Solver_Run run = dir.Solve(garbage + "\r\nGRID,\xff\r\n");
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_NE(run.result.find("$PLS CODE:1\r\n"), std::string::npos);
}

TEST(Solver_Failures, Million_Comment_Lines_Are_Read)
{
    std::string input;
    for (int i = 0; i < 1000000; ++i)
        input += "$ comment\r\n";
    input += Input_Text(Cantilever());
    const Program_Dir dir;
    EXPECT_EQ(dir.Solve(input).exit_status, 0);
}

TEST(Solver_Failures, Missing_Input_Ends_At_Once_And_Leaves_No_Result)
{
    const Program_Dir dir;
    Write_File(dir.Result(), "DEF,1,0,0,0\r\n");
    const Solver_Run run = dir.Run_Solver();
    EXPECT_EQ(run.exit_status, 2);
    EXPECT_FALSE(run.result_exists);
}

TEST(Solver_Failures, Unwritable_Result_Path_Ends_At_Once)
{
    const Program_Dir dir;
    std::filesystem::create_directory(dir.Result());
    const Solver_Run run = dir.Solve(Input_Text(Cantilever()));
    EXPECT_EQ(run.exit_status, 2);
}
