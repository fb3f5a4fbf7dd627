#include "read.h"

#include <optional>
#include <string>
#include <vector>

#include "file_bytes.h"
#include "number_text.h"

namespace kelvane {
namespace {

class Line_Reader {
public:
    explicit Line_Reader(std::string_view text) : text_(text) {}

    bool At_End() const { return position_ >= text_.size(); }

    // One line without its CR LF (or LF) ending.
    std::string_view Next()
    {
        const std::size_t end = text_.find('\n', position_);
        std::string_view line = text_.substr(position_, end == std::string_view::npos ? std::string_view::npos : end - position_);
        position_ = end == std::string_view::npos ? text_.size() : end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        return line;
    }

private:
    std::string_view text_;
    std::size_t position_ = 0;
};

void Split_Fields(std::string_view line, std::vector<std::string_view>& fields)
{
    fields.clear();
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos)
            return;
        start = comma + 1;
    }
}

class Record {
public:
    Record(const std::vector<std::string_view>& fields, std::size_t required) : fields_(fields)
    {
        if (fields_.size() < required)
            throw Solver_Failure(Failure_Number::Index_Out_Of_Range);
    }

    double Number(std::size_t field) const
    {
        const std::optional<double> value = Parse_Number(fields_[field]);
        if (!value)
            throw Solver_Failure(Failure_Number::Value_Too_Large);
        return *value;
    }

    // A table index (number - 1) that the table may grow to.
    std::size_t Index(std::size_t field) const
    {
        const std::int32_t index = To_Index(Number(field));
        if (index < 0)
            throw Solver_Failure(Failure_Number::Index_Out_Of_Range);
        if (index >= Table_Limit)
            throw Solver_Failure(Failure_Number::Out_Of_Memory);
        return static_cast<std::size_t>(index);
    }

private:
    const std::vector<std::string_view>& fields_;
};

template <typename Table>
auto& Grown_To(Table& table, std::size_t index)
{
    if (index >= table.size())
        table.resize(index + 1);
    return table[index];
}

void Read_Mat(Solver_State& state, const Record& record)
{
    const std::int16_t number = To_Int16(record.Number(1));
    if (number < 0)
        throw Solver_Failure(Failure_Number::Index_Out_Of_Range);
    Mat_Entry& entry = Grown_To(state.Mat_Table, static_cast<std::size_t>(number));
    entry = {record.Number(2), record.Number(3), record.Number(4), record.Number(5),
             record.Number(6), record.Number(7), record.Number(8), true};
}

void Read_Force(Solver_State& state, const Record& record)
{
    const std::size_t index = record.Index(1);
    const Force_Entry values{record.Number(2), record.Number(3), record.Number(4),
                             record.Number(5), record.Number(6), record.Number(7), true};
    Grown_To(state.Force_Table, index) = values;
}

void Read_Const(Solver_State& state, const Record& record)
{
    const std::size_t index = record.Index(1);
    const Support_Entry values{record.Number(2), record.Number(3), record.Number(7), 1};
    Grown_To(state.Support_Table, index) = values;
}

void Read_Grid(Solver_State& state, const Record& record)
{
    const std::size_t index = record.Index(1);
    const std::int16_t node_number = To_Int16(static_cast<double>(index) + 1);
    const double x = record.Number(2), y = record.Number(3), z = record.Number(4);
    Grid_Entry& entry = Grown_To(state.Grid_Table, index);
    entry.X = x;
    entry.Y = y;
    entry.Z = z;
    entry.present = true;
    if (node_number > state.Node_Count)
        state.Node_Count = node_number;
}

void Read_Elem(Solver_State& state, const Record& record)
{
    const std::size_t index = record.Index(1);
    const std::int16_t element_number = To_Int16(static_cast<double>(index) + 1);
    const std::int16_t node1 = To_Int16(record.Number(2) - 1);
    const std::int16_t node2 = To_Int16(record.Number(3) - 1);
    const std::int16_t material = To_Int16(record.Number(4));
    if (node1 < 0 || node2 < 0)
        throw Solver_Failure(Failure_Number::Index_Out_Of_Range);

    Grown_To(state.Elem_Table, index) = {node1, node2, material, true};
    if (element_number > state.Elem_Count)
        state.Elem_Count = element_number;

    // The node material follows the element read last; a GRID record may still come later.
    Grown_To(state.Grid_Table, static_cast<std::size_t>(node1)).material = material;
    Grown_To(state.Grid_Table, static_cast<std::size_t>(node2)).material = material;
}

void Read_Record(Solver_State& state, const std::vector<std::string_view>& fields)
{
    const std::string_view name = fields.front();
    if (name == "MAT")
        Read_Mat(state, Record(fields, 9));
    else if (name == "FORCE")
        Read_Force(state, Record(fields, 8));
    else if (name == "CONST")
        Read_Const(state, Record(fields, 8));
    else if (name == "GRID")
        Read_Grid(state, Record(fields, 5));
    else if (name == "ELEM_B")
        Read_Elem(state, Record(fields, 5));
}

void Read_Lines(Solver_State& state, std::string_view text)
{
    state.Mat_Table.assign(1, {});
    state.Force_Table.assign(1, {});
    state.Support_Table.assign(1, {});
    state.Grid_Table.assign(1, {});
    state.Elem_Table.assign(1, {});

    Line_Reader lines(text);
    std::vector<std::string_view> fields;
    while (!lines.At_End()) {
        std::string_view line;
        do {
            if (lines.At_End())
                throw Solver_Failure(Failure_Number::None);  // the file ends with an empty line
            line = lines.Next();
        } while (line.empty());
        Split_Fields(line, fields);
        Read_Record(state, fields);
    }
}

}  // namespace

void Read_Input_Text(Solver_State& state, std::string_view text)
{
    try {
        Read_Lines(state, text);
    } catch (...) {
        state.Pls_Code = Read_Failure;
    }
}

void Read_Input(Solver_State& state, const std::filesystem::path& input_path)
{
    try {
        std::string text;
        if (!Read_File(input_path, text))
            throw Solver_Failure(Failure_Number::None);
        Read_Input_Text(state, text);
    } catch (...) {
        state.Pls_Code = Read_Failure;
    }
}

}  // namespace kelvane
