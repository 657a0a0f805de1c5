#pragma once

#include "RecordStore.h"

#include <string>
#include <variant>
#include <vector>

namespace mobwright {

class RomFile;

// The write of the internal header's checksum and complement that puts them
// right for the image as it will be once records are written (none: as it
// is), or why there is none: the image cannot be read, or its header cannot
// be trusted (naming the places tried). No guess is ever written.
std::variant<BytesWrite, std::string> ChecksumWrite(RomFile &rom,
                                                    const std::vector<RecordWrite> &records);

} // namespace mobwright
