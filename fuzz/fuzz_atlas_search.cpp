// Arbitrary bytes as a place query and as a text to fold: the atlas search
// and the folding of its keys. Checked: folding a UTF-8 text gives UTF-8
// that folds to itself; a search returns at most what was asked, most
// populous first; a query whose first part folds to nothing finds nothing.
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
    for (std::size_t i = 1; i < found.size(); ++i) {
        if (found[i - 1].population < found[i].population) __builtin_trap();
    }
    const std::string_view firstPart = text.substr(0, text.find(','));
    if (atlas::FoldForSearch(firstPart).empty() && !found.empty()) __builtin_trap();
    return 0;
}
