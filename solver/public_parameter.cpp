#include "public_parameter.h"

#include <cmath>
#include <limits>
#include <new>

namespace kelvane {

Solver_Failure::Solver_Failure(Failure_Number number)
    : std::runtime_error("solver failure " + std::to_string(static_cast<int>(number))), number_(number)
{
}

Failure_Number Failure_Number_Of(std::exception_ptr failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const Solver_Failure& f) {
        return f.number();
    } catch (const std::bad_alloc&) {
        return Failure_Number::Out_Of_Memory;
    } catch (const std::out_of_range&) {
        return Failure_Number::Index_Out_Of_Range;
    } catch (const std::length_error&) {
        return Failure_Number::Value_Too_Large;
    } catch (const std::overflow_error&) {
        return Failure_Number::Overflow;
    } catch (...) {
        return Failure_Number::None;
    }
}

std::int16_t To_Int16(double value)
{
    const double rounded = std::nearbyint(value);  // the default rounding mode sends halves to even
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() && rounded <= std::numeric_limits<std::int16_t>::max()))
        throw Solver_Failure(Failure_Number::Value_Too_Large);
    return static_cast<std::int16_t>(rounded);
}

std::int32_t To_Index(double number)
{
    const double rounded = std::nearbyint(number - 1);
    if (!(rounded >= std::numeric_limits<std::int32_t>::min() && rounded <= std::numeric_limits<std::int32_t>::max()))
        throw Solver_Failure(Failure_Number::Value_Too_Large);
    return static_cast<std::int32_t>(rounded);
}

}  // namespace kelvane
