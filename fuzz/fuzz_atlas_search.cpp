// Arbitrary bytes as a place query and as a text to fold: the atlas search
// and the folding of its keys. Checked: folding a UTF-8 text gives UTF-8
// that folds to itself; a search returns at most what was asked, every
// name found begins with the query's first part and exact names come
// first; a query whose first part folds to nothing finds nothing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "atlas/places.h"
#include "atlas/text_folding.h"
#include "entry/echoed_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace starwise;
    static const atlas::Atlas places;  // loaded once, then read only
    constexpr std::size_t kMaxResults = 60;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    // Bytes that are not UTF-8 are kept as they are, and dropping a
    // combining accent between them can join them into a character; so a key
    // folds to itself, and stays UTF-8, only for a text that was UTF-8.
    const std::string folded = atlas::FoldForSearch(text);
    if (entry::IsValidUtf8(text) && (atlas::FoldForSearch(folded) != folded || !entry::IsValidUtf8(folded))) {
        __builtin_trap();
    }

    const std::vector<atlas::Place> found = places.Search(text, kMaxResults);
    if (found.size() > kMaxResults) __builtin_trap();
    const std::string first = atlas::FoldForSearch(text.substr(0, text.find(',')));
    if (first.empty() && !found.empty()) __builtin_trap();
    // Every name found begins with the first part; exact names come first.
    bool exactNames = true;
    for (const atlas::Place& place : found) {
        const std::string name = atlas::FoldForSearch(place.name);
        if (!name.starts_with(first)) __builtin_trap();
        if (name == first && !exactNames) __builtin_trap();
        exactNames = name == first;
    }
    return 0;
}
