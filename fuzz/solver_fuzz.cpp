// The solver's stages on arbitrary bytes: they must end with a code, never crash or hang.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "read.h"
#include "solver.h"
#include "write.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kelvane::Solver_State state;
    kelvane::Read_Input_Text(state, std::string_view(reinterpret_cast<const char*>(data), size));
    if (state.Pls_Code == kelvane::No_Failure)
        kelvane::Solve_Beam(state);
    if (state.Pls_Code == kelvane::No_Failure) {
        try {
            kelvane::Result_Sections(state);
        } catch (...) {
            state.Pls_Code = kelvane::Write_Failure;
        }
    }
    kelvane::Error_Lines(state.Pls_Code, kelvane::Failure_Number::None);
    return 0;
}
