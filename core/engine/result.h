// The core's error convention: a value together with the status of the work
// that made it, one record that carries its own status field. A caller reads
// the status before the value; a failed result's value is its type's empty
// value and its detail says why in words.
#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace starwise::engine {

enum class Status {
    Ok,
    InvalidInput,  // the input is outside what the work accepts (a date with no such day)
    OutOfRange,    // a value came out where it cannot be shown (a longitude that is not finite)
    Missing,       // an earlier part this one needs could not be made
    Internal,      // anything else: a fault of the program
};

// "ok", "invalid input", "out of range", "missing", "internal".
std::string_view StatusName(Status status);

template <typename T>
struct Result {
    T value{};
    Status status = Status::Ok;
    std::string detail;  // why, in words; empty when Ok

    bool Ok() const { return status == Status::Ok; }

    static Result Of(T v) { return Result{std::move(v), Status::Ok, {}}; }
    static Result Failed(Status s, std::string why) { return Result{T{}, s, std::move(why)}; }
};

}  // namespace starwise::engine
