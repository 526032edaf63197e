#pragma once

#include "files/text/AtomicFile.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace yorozu {

// The bytes of a text file, built one line at a time into one buffer: each
// line in code page 932 followed by CR LF, with the same refusals as
// writeTextLines (characters the code page cannot hold, named; a line feed
// inside a line). A writer with many lines hands them over as it makes them,
// from a buffer of its own it reuses, instead of keeping them all.
class TextLinesEncoder {
public:
    // `bytes` is emptied; `expectedSize` is room reserved for the encoded text.
    TextLinesEncoder(std::string& bytes, std::size_t expectedSize = 0);

    void add(std::string_view line);
    // What the lines come to: ok, or why writeTextLines would refuse them.
    WriteResult finish();

private:
    std::string& bytes_;
    WriteResult result_;
    bool lineFeed_ = false;
};

} // namespace yorozu
