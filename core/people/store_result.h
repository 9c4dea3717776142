// The outcome of every people-store call: a status and, when it is not Ok, a
// message for the person at the keyboard that names the file and says what
// to do. The store never throws toward its callers.
#pragma once

#include <string>
#include <utility>

namespace starwise::people {

enum class StoreStatus {
    Ok,
    NotFound,       // no person with that id
    Invalid,        // the values given cannot be stored (a birth out of range)
    Locked,         // another program kept the file busy past the wait
    ReadOnly,       // the file or its folder cannot be written; reading works
    NewerVersion,   // written by a newer program; reading may work, writing is refused
    Corrupt,        // damaged, or not a database; left untouched
    NotPeopleFile,  // a database of something else; left untouched
    Failed,         // anything else the file system or SQLite reported (disk full, I/O error)
};

struct StoreResult {
    StoreStatus status = StoreStatus::Ok;
    std::string message;  // empty when Ok

    bool ok() const { return status == StoreStatus::Ok; }
    static StoreResult Fail(StoreStatus status, std::string message) { return {status, std::move(message)}; }
};

// A value with the result that produced it; the value is meaningful only when
// result.ok().
template <class T>
struct StoreAnswer {
    StoreResult result;
    T value{};
};

}  // namespace starwise::people
