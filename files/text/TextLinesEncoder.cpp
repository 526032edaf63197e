#include "files/text/TextLinesEncoder.h"

#include "files/text/Cp932.h"

namespace yorozu {

TextLinesEncoder::TextLinesEncoder(std::string& bytes, std::size_t expectedSize) : bytes_(bytes)
{
    bytes_.clear();
    bytes_.reserve(expectedSize);
}

void TextLinesEncoder::add(std::string_view line)
{
    if (!cp932::encodeAppend(line, bytes_, result_.unmappable))
        result_.ok = false;
    if (line.find('\n') != std::string_view::npos)
        lineFeed_ = true;
    bytes_ += "\r\n";
}

WriteResult TextLinesEncoder::finish()
{
    WriteResult r = result_;
    if (!r.unmappable.empty())
        r.error = "characters code page 932 cannot hold: " + r.unmappable;
    if (lineFeed_) {
        r.ok = false;
        r.error += std::string(r.error.empty() ? "" : "; ") + "a line holds a line feed";
    }
    return r;
}

} // namespace yorozu
