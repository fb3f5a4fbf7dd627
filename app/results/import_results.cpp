#include "results/import_results.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

#include "model/field_text.h"
#include "model/number_text.h"
#include "model/text_file.h"
#include "model/units.h"

namespace {

// Divisor that takes a stress in MPa back to kgf/mm^2 for the shear safety factor.
constexpr double Mpa_Per_Kgf_Per_Mm2 = 9.80665;

double Unit_Sign(qint16 sign)
{
    return sign == 1 ? 1.0 : -1.0;
}

double Number_Field(const QString& line, qint16 index)
{
    return Leading_Number(Field(line, QStringLiteral(","), index));
}

// Node number of field 1, to the nearest whole number.
double Node_Number(const QString& line)
{
    return Round_Half_Even(Number_Field(line, 1), 0);
}

double Safety_Factor(double allowable, double value)
{
    return allowable != 0 && value != 0 ? std::fabs(allowable / value) : 0;
}

class Result_Reader {
public:
    Result_Reader(const NodeTable& nodes, const Settings& settings)
        : nodes_(nodes),
          node_count_(nodes.Node_Count()),
          moment_sign_(Unit_Sign(settings.moment_sign)),
          shear_sign_(Unit_Sign(settings.shear_sign))
    {
        results_.reaction_force.assign(node_count_, 0.0);
        results_.reaction_moment.assign(node_count_, 0.0);
    }

    // False ends the reading as a failure.
    bool Read_Line(const QString& line)
    {
        if (line.isEmpty())
            return true;
        const QString name = Field(line, QStringLiteral(","), 0);
        if (name == QLatin1String("DEF"))
            return Read_Deflection(line);
        if (name == QLatin1String("SHEAR"))
            return Read_Shear(line);
        if (name == QLatin1String("MOMENT"))
            return Read_Moment(line);
        if (name == QLatin1String("STRESS"))
            return Read_Stress(line);
        if (name == QLatin1String("RE_FORCE"))
            return Read_Reaction(line);
        return true;
    }

    std::optional<ResultSet> Finish() const
    {
        const auto complete = [this](const std::vector<double>& values) {
            return static_cast<int>(values.size()) == node_count_;
        };
        if (node_count_ == 0 || !complete(results_.deflection) || !complete(results_.shear_force) ||
            !complete(results_.bending_moment) || !complete(results_.bending_stress))
            return std::nullopt;
        return results_;
    }

private:
    // The records of one kind come as nodes 1, 2, 3, ... exactly as the solver writes them;
    // a gap, a repeat or a node past the mesh would leave an entry silently unset or wrong.
    bool Is_Next_Node(const QString& line, const std::vector<double>& values) const
    {
        const auto next = values.size() + 1;
        return next <= static_cast<std::size_t>(node_count_) && Node_Number(line) == static_cast<double>(next);
    }

    bool Read_Deflection(const QString& line)
    {
        if (!Is_Next_Node(line, results_.deflection))
            return false;
        return Store(results_.deflection, Number_Field(line, 3));
    }

    bool Read_Shear(const QString& line)
    {
        if (!Is_Next_Node(line, results_.shear_force))
            return false;
        const Node& node = nodes_.nodes[results_.shear_force.size()];
        const double shear = Conv_Force(Number_Field(line, 3), QStringLiteral("kg"), QStringLiteral("N")) * shear_sign_;
        if (node.A == 0)
            return false;
        const double tau = shear / node.A;
        return Store(results_.shear_force, shear) && Store(results_.shear_stress, tau) &&
               Store(results_.shear_safety, Safety_Factor(node.tau_a, tau / Mpa_Per_Kgf_Per_Mm2));
    }

    bool Read_Moment(const QString& line)
    {
        if (!Is_Next_Node(line, results_.bending_moment))
            return false;
        return Store(results_.bending_moment,
                     Conv_Moment(Number_Field(line, 4), QStringLiteral("kg-mm"), QStringLiteral("N-mm")) *
                         moment_sign_);
    }

    bool Read_Stress(const QString& line)
    {
        if (!Is_Next_Node(line, results_.bending_stress))
            return false;
        const Node& node = nodes_.nodes[results_.bending_stress.size()];
        const double stress = Number_Field(line, 2);
        return Store(results_.bending_stress, Conv_Stress(stress, QStringLiteral("kg/mm^2"), QStringLiteral("MPa"))) &&
               Store(results_.bending_safety, Safety_Factor(node.sigma_a, stress));
    }

    bool Read_Reaction(const QString& line)
    {
        const double number = Node_Number(line);
        if (!(number >= 1 && number <= node_count_))
            return false;
        const auto index = static_cast<std::size_t>(number) - 1;
        results_.reaction_force[index] =
            Conv_Force(Number_Field(line, 3), QStringLiteral("kg"), QStringLiteral("N"));
        results_.reaction_moment[index] =
            Conv_Moment(Number_Field(line, 4), QStringLiteral("kg-mm"), QStringLiteral("N-mm"));
        return std::isfinite(results_.reaction_force[index]) && std::isfinite(results_.reaction_moment[index]);
    }

    static bool Store(std::vector<double>& values, double value)
    {
        values.push_back(value);
        return std::isfinite(value);
    }

    const NodeTable& nodes_;
    const int node_count_;
    const double moment_sign_;
    const double shear_sign_;
    ResultSet results_;
};

double Largest_Absolute(const std::vector<double>& values)
{
    double largest = 0;
    for (const double value : values)
        largest = std::max(largest, std::fabs(value));
    return largest;
}

double Smallest_Absolute_Factor(const std::vector<double>& factors)
{
    double smallest = No_Safety_Factor;
    for (const double factor : factors) {
        if (factor != 0)
            smallest = std::min(smallest, std::fabs(factor));
    }
    return smallest;
}

} // namespace

std::optional<ResultSet> Read_Result_Lines(const QStringList& lines, const NodeTable& nodes, const Settings& settings)
{
    Result_Reader reader(nodes, settings);
    for (const QString& line : lines) {
        if (!reader.Read_Line(line))
            return std::nullopt;
    }
    return reader.Finish();
}

std::optional<ResultSet> ReadResultFile(const QString& path, const NodeTable& nodes, const Settings& settings)
{
    const Text_Lines_Result file = Read_Text_Lines(path);
    if (!file.ok)
        return std::nullopt;
    return Read_Result_Lines(file.lines, nodes, settings);
}

ResultExtremes ComputeExtremes(const ResultSet& results)
{
    ResultExtremes extremes;
    extremes.max_deflection = Largest_Absolute(results.deflection);
    extremes.max_shear_force = Largest_Absolute(results.shear_force);
    extremes.max_moment = Largest_Absolute(results.bending_moment);
    extremes.max_bending_stress = Largest_Absolute(results.bending_stress);
    extremes.max_shear_stress = Largest_Absolute(results.shear_stress);
    extremes.min_bending_safety = Smallest_Absolute_Factor(results.bending_safety);
    extremes.min_shear_safety = Smallest_Absolute_Factor(results.shear_safety);
    return extremes;
}

bool ImportResults(const QString& path, const NodeTable& nodes, const Settings& settings, Result_State& state,
                   Result_Grid& grid, qint16& run_failure_flag)
{
    std::optional<ResultSet> results = ReadResultFile(path, nodes, settings);
    if (!results) {
        run_failure_flag = -1;
        return false;
    }
    state.extremes = ComputeExtremes(*results);
    state.results = std::move(*results);
    FillResultGrid(grid, state.extremes);
    return true;
}
