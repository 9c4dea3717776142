// The core's error convention: a value together with the status of the work
// that made it, one record that carries its own status field. A caller reads
// the status before the value; a failed result's value is its type's empty
// value and its detail says why in words.
#pragma once

#include <string>
#include <string_view>
#include <utility>

namespace starwise {

enum class Status {
    Ok,
    InvalidInput,  // the input is outside what the work accepts (a date with no such day)
    OutOfRange,    // a value came out where it cannot be shown (a longitude that is not finite)
    Missing,       // an earlier part this one needs could not be made
    Internal,      // anything else: a fault of the program
};

// "ok", "invalid input", "out of range", "missing", "internal".
std::string_view StatusName(Status status);

// A failure of any type of result: `return Failure{Status::InvalidInput,
// "--date is required"};` from a function that returns a Result.
struct Failure {
    Status status = Status::Internal;
    std::string detail;
};

// Input the work refuses (InvalidInput), with the message to show.
inline Failure Refused(std::string why) { return Failure{Status::InvalidInput, std::move(why)}; }

// Converts implicitly from a value (Ok) and from a Failure, as C++23's
// std::expected does from a value and from std::unexpected, so a function
// returns either without naming its result type. T must be default
// constructible: a failed result holds T{}.
template <typename T>
struct Result {
    T value{};
    Status status = Status::Ok;
    std::string detail;  // why, in words; empty when Ok

    Result() = default;
    Result(T v) : value(std::move(v)) {}  // NOLINT(google-explicit-constructor): Ok from a value
    Result(Failure failure)               // NOLINT(google-explicit-constructor): failed from a Failure
        : status(failure.status), detail(std::move(failure.detail)) {}

    bool Ok() const { return status == Status::Ok; }
    // The failure, to pass on from a function of another result type.
    Failure AsFailure() const { return Failure{status, detail}; }

    static Result Of(T v) { return Result{std::move(v)}; }
    static Result Failed(Status s, std::string why) { return Result{Failure{s, std::move(why)}}; }
};

}  // namespace starwise
