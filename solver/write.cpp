#include "write.h"

#include <fstream>
#include <string_view>

#include "file_bytes.h"

#include "number_text.h"

namespace kelvane {
namespace {

const char* const Line_End = "\r\n";

std::string Read_Bytes(const std::filesystem::path& path)
{
    std::string bytes;
    if (!Read_File(path, bytes))
        throw Solver_Failure(Failure_Number::None);
    return bytes;
}

// The input file byte for byte, then the appended lines; a copy that does not
// end with a line end gets one, so the first appended line stays a line.
void Write_Copy_And_Append(const std::filesystem::path& input_path, const std::filesystem::path& result_path,
                           const std::string& appended)
{
    const std::string copy = Read_Bytes(input_path);
    std::ofstream file(result_path, std::ios::binary | std::ios::trunc);
    file << copy;
    if (!copy.empty() && copy.back() != '\n')
        file << Line_End;
    file << appended;
    file.close();
    if (!file)
        throw Solver_Failure(Failure_Number::None);
}

class Lines {
public:
    explicit Lines(std::size_t expected_size = 0) { text_.reserve(expected_size); }

    void Add(std::string_view line)
    {
        text_ += line;
        text_ += Line_End;
    }

    template <typename... Fields>
    void Record(std::string_view name, int node_index, const Fields&... fields)
    {
        text_ += name;
        text_ += ',';
        text_ += std::to_string(node_index + 1);
        ((text_ += ',', Append(fields)), ...);
        text_ += Line_End;
    }

    std::string Take() { return std::move(text_); }

private:
    void Append(const char* text) { text_ += text; }
    void Append(double value) { Append_Decimal_Text(text_, Checked(value)); }

    std::string text_;
};

}  // namespace

std::string Result_Sections(Solver_State& state)
{
    const std::vector<double>& U = state.Disp_Vector;
    const std::vector<double>& R = state.End_Force;
    const std::vector<double>& RF = state.Reaction_Vector;
    const int nodes = state.Node_Count;
    Lines out(static_cast<std::size_t>(nodes) * 160);

    out.Add("$");
    out.Add("$DEF_Inf,Node No.,dx[mm],dy[mm],dz[mm]");
    for (int m = 0; m < nodes; ++m)
        out.Record("DEF", m, -At(U, 3 * m), -At(U, 3 * m + 1), "0");

    out.Add("$");
    out.Add("$SHEAR_Inf,Node No.,Fx[kgf],Fy[kgf],Fz[kgf]");
    for (int m = 0; m < nodes; ++m)
        out.Record("SHEAR", m, -At(R, 3 * m), -At(R, 3 * m + 1), "0");

    out.Add("$");
    out.Add("$MOMENT_Inf,Node No.,Mx[kgf-mm],My[kgf-mm],Mz[kgf-mm]");
    for (int m = 0; m < nodes; ++m) {
        const double moment = At(R, 3 * m + 2);
        const double Zx = At(state.Mat_Table, At(state.Grid_Table, m).material).Zx;
        At(state.Stress_Vector, m) = Checked_Divide(moment, Zx);
        out.Record("MOMENT", m, "0", "0", moment);
    }

    out.Add("$");
    out.Add("$STRESS_Inf,Node No.,Stress[kgf/mm2]");
    for (int m = 0; m < nodes; ++m)
        out.Record("STRESS", m, state.Stress_Vector[static_cast<std::size_t>(m)]);

    out.Add("$");
    out.Add("$RE_FORCE_Inf,Node No.,Fx[kgf],Fy[kgf],Mz[kgf-mm]");
    for (int m = 0; m < nodes; ++m) {
        const Support_Entry& support = At(state.Support_Table, m);
        if (support.marker != 1)
            continue;
        const auto reaction = [&](double flag, int k) { return flag == 1 ? Decimal_Text(Checked(At(RF, 3 * m + k))) : std::string("0"); };
        out.Record("RE_FORCE", m, reaction(support.axial, 0).c_str(), reaction(support.transverse, 1).c_str(),
                   reaction(support.rotation, 2).c_str());
    }
    return out.Take();
}

void Write_Results(Solver_State& state, const std::filesystem::path& input_path,
                   const std::filesystem::path& result_path)
{
    try {
        Write_Copy_And_Append(input_path, result_path, Result_Sections(state));
    } catch (...) {
        state.Pls_Code = Write_Failure;
    }
}

std::string Error_Lines(std::int16_t pls_code, Failure_Number failure_number)
{
    static const char* const stage_messages[] = {
        "File read error.",
        "A program may include a bug. Please send kvx file.",
        "Please check condition. A point of zero may be it in the distance between Nodes.",
        "Please check condition. Constrain or Force may be insufficiency.",
        "Write file error.",
    };
    Lines out;
    out.Add("$Error Message");
    out.Add("$PLS CODE:" + std::to_string(pls_code));
    if (pls_code >= 1 && pls_code <= 5)
        out.Add(stage_messages[pls_code - 1]);
    out.Add("$Error CODE:" + std::to_string(static_cast<int>(failure_number)));
    switch (failure_number) {
    case Failure_Number::Overflow: out.Add("Overflow.(Dvided by zero)"); break;
    case Failure_Number::Out_Of_Memory: out.Add("Insufficiency of Memory."); break;
    case Failure_Number::Index_Out_Of_Range: out.Add("Index is out of a range."); break;
    case Failure_Number::Division_By_Zero: out.Add("Dvided by zero."); break;
    case Failure_Number::Value_Too_Large: out.Add("Overflow.(Value is too large.)"); break;
    case Failure_Number::None: break;
    }
    return out.Take();
}

bool Write_Error_File(const std::filesystem::path& input_path, const std::filesystem::path& result_path,
                      std::int16_t pls_code, Failure_Number failure_number)
{
    try {
        Write_Copy_And_Append(input_path, result_path, Error_Lines(pls_code, failure_number));
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace kelvane
