#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "project/BlockRecordFields.h"

namespace zuvar {

class TNewShape;
class TSchemat;

// A set of blocks with the connections among them as text, for copying between diagrams and
// programs: a project file ("ZUVAR2.0", the sheet size, one record per block) in UTF-8 with CR LF
// line ends. A connection to a block outside the set is left out.
namespace BlockSetText {

// The text of the given blocks of a document, in the given order.
std::string Write(const TSchemat& document, const std::vector<const TNewShape*>& blocks);

// The block records of a text that Write made (line ends CR LF, LF or CR). Anything else, or a
// text without blocks, gives nothing.
std::optional<std::vector<TBlockRecordFields>> Parse(std::string_view text);

// Appends the blocks of the records to a document with new Ids, moved by (dx, dy), and connects
// them as the records connect them among themselves, with the sides and (for decisions) colours
// they had. Connections to an Id outside the records are dropped. Returns the new blocks in
// record order; it stops at a block that cannot be created.
std::vector<TNewShape*> Add(TSchemat& document, const std::vector<TBlockRecordFields>& records,
                            std::int32_t dx, std::int32_t dy);

}  // namespace BlockSetText

}  // namespace zuvar
