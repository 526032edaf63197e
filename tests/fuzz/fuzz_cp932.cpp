// Any bytes read as code page 932 must write back as bytes of the same
// length that read as the same text (only duplicate codes may change), and
// the cheap byte count must agree with the real encoding.
#include "files/text/Cp932.h"
#include "files/text/TextFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto text = yorozu::cp932::decode(bytes);
    const auto e = yorozu::cp932::encode(text);
    if (!e.ok || e.bytes.size() != bytes.size() || yorozu::cp932::decode(e.bytes) != text)
        std::abort();
    if (yorozu::cp932::byteLength(text) != bytes.size())
        std::abort();
    const auto half = yorozu::cp932::truncateBytes(text, size / 2);
    if (text.compare(0, half.size(), half) != 0 || yorozu::cp932::byteLength(half) > size / 2)
        std::abort();
    std::string lines;
    for (const auto& line : yorozu::splitLines(bytes))
        lines += line;
    (void)lines;
    return 0;
}
