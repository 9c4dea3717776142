// AAF files in and out of the people store.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "people/aaf.h"
#include "people/people_store.h"

namespace starwise::people {

struct AafImport {
    StoreResult result;                    // Ok only when every record was stored
    std::size_t peopleRead = 0;            // records read in full
    std::vector<AafLineProblem> problems;  // lines that could not be read
    std::vector<std::int64_t> ids;         // the stored people, in file order
};

// Reads an AAF file and stores every person in it in one transaction. When
// any line cannot be read, nothing is stored: the answer counts the people
// read and lists each line that could not be read.
AafImport ImportAafFile(PeopleStore& store, const std::string& path);

// "line 4: the date 19.1.1839 is outside ... (#A93:Cezanne,Paul,...)".
std::string ProblemLine(const AafLineProblem& problem);

struct AafExport {
    std::string error;                 // empty on success
    std::size_t peopleWritten = 0;
    std::vector<std::string> changes;  // see AafWriting::changes
};

// Writes every person of the store, oldest first, to an AAF file, replacing
// it whole or not at all (files::WriteFileAtomically).
AafExport ExportAafFile(const PeopleStore& store, const std::string& path);

}  // namespace starwise::people
