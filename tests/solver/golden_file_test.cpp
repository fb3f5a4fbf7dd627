// The whole result file of a small model, byte for byte.
#include <gtest/gtest.h>

#include "solver_fixture.h"

using namespace kelvane_test;

TEST(Result_File, Equals_The_Golden_File)
{
    const std::string input = Read_File(TEST_DATA_DIR "/small_beam_input.dat");
    ASSERT_FALSE(input.empty());
    const Program_Dir dir;
    const Solver_Run run = dir.Solve(input);
    ASSERT_EQ(run.exit_status, 0);
    EXPECT_EQ(run.result, Read_File(TEST_DATA_DIR "/small_beam_result.dat"));
    EXPECT_EQ(run.result.compare(0, input.size(), input), 0);  // the CP932 header is copied untouched
}
