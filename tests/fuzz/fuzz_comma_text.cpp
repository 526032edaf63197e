// The row decoder must take any line; encoding what it read and decoding again gives the same cells.
#include "core/document/CommaText.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const auto cells = yorozu::decodeCommaText(line);
    if (yorozu::decodeCommaText(yorozu::encodeCommaText(cells)) != cells && !cells.empty()) {
        // A lone empty cell encodes as the empty line, which reads as no cells: the one accepted loss.
        if (!(cells.size() == 1 && cells[0].empty()))
            std::abort();
    }
    return 0;
}
