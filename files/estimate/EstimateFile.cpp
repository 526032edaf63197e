#include "files/estimate/EstimateFile.h"

#include "core/document/CommaText.h"
#include "core/document/Estimate.h"
#include "files/estimate/EstimateLayout.h"
#include "files/text/Cp932Tables.h"
#include "files/text/TextLinesEncoder.h"
#include "files/text/Utf8.h"

#include <array>

namespace yorozu {

namespace {

enum class CellBytes { Written, NeedsQuotes, NotPlain };

// A cell's characters in code page bytes from `o` on, the quotes doubled
// when `quoted` (the caller writes the enclosing quotes). Unquoted, a byte
// that needs quotes stops it; a line feed, a character the code page does not
// hold, a carried byte or invalid UTF-8 is NotPlain.
// Per byte, for the loop below: copied as it stands, or a look first.
constexpr auto kCopied = [] {
    std::array<bool, 256> t{};
    for (int b = 0; b < 0x80; ++b)
        t[static_cast<std::size_t>(b)] = !needsQuoting(static_cast<unsigned char>(b));
    return t;
}();

// The code point of a well-formed three-byte sequence at cell[i] (most of
// the sheet's Japanese), as utf8::next reads it; any other sequence goes
// through utf8::next.
char32_t nextCodePoint(std::string_view cell, std::size_t& i)
{
    const auto b0 = static_cast<unsigned char>(cell[i]);
    if (b0 >= 0xE0 && b0 <= 0xEF && i + 3 <= cell.size()) {
        const auto b1 = static_cast<unsigned char>(cell[i + 1]);
        const auto b2 = static_cast<unsigned char>(cell[i + 2]);
        if ((b1 & 0xC0) == 0x80 && (b2 & 0xC0) == 0x80) {
            const char32_t cp = (char32_t{b0 & 0x0Fu} << 12) | (char32_t{b1 & 0x3Fu} << 6) | (b2 & 0x3Fu);
            if (cp >= 0x800 && (cp < 0xD800 || cp > 0xDFFF)) {
                i += 3;
                return cp;
            }
        }
    }
    return utf8::next(cell, i);
}

CellBytes writeCell(std::string_view cell, bool quoted, char*& o, const cp932::detail::Tables*& tables)
{
    std::size_t i = 0;
    while (i < cell.size()) {
        const auto b = static_cast<unsigned char>(cell[i]);
        if (kCopied[b]) {
            *o++ = static_cast<char>(b);
            ++i;
            continue;
        }
        if (b < 0x80) {
            if (b == '\n')
                return CellBytes::NotPlain;
            if (!quoted)
                return CellBytes::NeedsQuotes;
            if (b == '"')
                *o++ = '"';
            *o++ = static_cast<char>(b);
            ++i;
            continue;
        }
        const char32_t cp = nextCodePoint(cell, i);
        if (cp == utf8::kInvalid || cp >= 0x10000 || cp932::detail::carriedByte(cp) >= 0)
            return CellBytes::NotPlain;
        if (tables == nullptr)
            tables = &cp932::detail::tables();
        const std::uint16_t code = tables->encoded[cp];
        if (code == cp932::detail::kUnmappable)
            return CellBytes::NotPlain;
        if (code >= 0x100)
            *o++ = static_cast<char>(code >> 8);
        *o++ = static_cast<char>(code & 0xFF);
    }
    return CellBytes::Written;
}

// A row straight to its code page bytes and CR LF, exactly as its comma text
// through TextLinesEncoder::add would come out, for the usual row: no line
// feed, every character one the code page holds and none of the carried
// bytes (which a whole line's decode has to confirm). Any other row gives
// false and leaves `bytes` as it was, for the general way.
bool appendPlainRow(const std::vector<std::string>& cells, std::string& bytes, const cp932::detail::Tables*& tables)
{
    const std::size_t start = bytes.size();
    // The code page form is never longer than the UTF-8; a quoted cell
    // needs its two quotes and at most twice its bytes.
    std::size_t room = cells.size() + 2;
    for (const auto& cell : cells)
        room += cell.size();
    bytes.resize(start + room);
    char* o = bytes.data() + start;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (c > 0)
            *o++ = ',';
        const std::string_view cell = cells[c];
        char* const cellStart = o;
        CellBytes written = writeCell(cell, false, o, tables);
        if (written == CellBytes::NeedsQuotes) {
            // Room for the quoted form, then the cell again from its start.
            const auto at = static_cast<std::size_t>(cellStart - bytes.data());
            bytes.resize(bytes.size() + 2 * cell.size() + 2);
            o = bytes.data() + at;
            *o++ = '"';
            written = writeCell(cell, true, o, tables);
            *o++ = '"';
        }
        if (written != CellBytes::Written) {
            bytes.resize(start);
            return false;
        }
    }
    *o++ = '\r';
    *o++ = '\n';
    bytes.resize(static_cast<std::size_t>(o - bytes.data()));
    return true;
}

} // namespace

WriteResult estimateFileBytes(const Estimate& doc, int remarkRows, std::string& bytes)
{
    const auto header = estimateHeaderLines(doc, remarkRows);
    const StringGrid& g = doc.SG1;
    // The UTF-8 text is never shorter than its code page form: its size
    // (cells, commas, line ends; quotes are rare) is room enough up front.
    std::size_t expected = 0;
    for (const auto& line : header)
        expected += line.size() + 2;
    for (int r = 1; r < g.rowCount(); ++r) {
        const auto& cells = g.row(r);
        expected += cells.size() + 1;
        for (const auto& cell : cells)
            expected += cell.size();
    }
    TextLinesEncoder encoder(bytes, expected);
    for (const auto& line : header)
        encoder.add(line);
    // The plain rows go into the encoder's buffer directly; a row that is not
    // plain takes the general way, so refusals and their order are the same.
    const cp932::detail::Tables* tables = nullptr;
    std::string line;
    for (int r = 1; r < g.rowCount(); ++r) {
        if (appendPlainRow(g.row(r), bytes, tables))
            continue;
        line.clear();
        appendCommaText(g.row(r), line);
        encoder.add(line);
    }
    return encoder.finish();
}

WriteResult writeEstimateFile(const std::filesystem::path& path, const Estimate& doc, int remarkRows,
                              const FileOps& ops)
{
    std::string bytes;
    auto r = estimateFileBytes(doc, remarkRows, bytes);
    if (!r.ok)
        return r;
    return writeFileAtomic(path, bytes, ops);
}

WriteResult createEstimateFile(const std::filesystem::path& path, const Estimate& doc, int remarkRows,
                               const FileOps& ops)
{
    std::string bytes;
    auto r = estimateFileBytes(doc, remarkRows, bytes);
    if (!r.ok)
        return r;
    return createFileExclusive(path, bytes, ops);
}

} // namespace yorozu
