#include "result/result.h"

namespace starwise {

std::string_view StatusName(Status status) {
    switch (status) {
        case Status::Ok: return "ok";
        case Status::InvalidInput: return "invalid input";
        case Status::OutOfRange: return "out of range";
        case Status::Missing: return "missing";
        case Status::Internal: return "internal";
    }
    return "internal";
}

}  // namespace starwise
