#pragma once

#include <string>
#include <string_view>

// The codec as it was before the tables: every stretch of text goes through
// glibc iconv, and what was encoded is decoded again to find the characters
// glibc maps one way only. Kept to check the tables against on every code.
namespace yorozu::cp932::reference {

void decodeAppend(std::string_view bytes, std::string& out);
bool encodeAppend(std::string_view utf8, std::string& out, std::string& unmappable);

} // namespace yorozu::cp932::reference
