#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace yorozu {

// Tests estimate files for a set of search terms. A file matches when every
// term occurs somewhere in its text as the program reads it (code page 932
// decoded), case-sensitive. Because the comparison is on characters, a term
// never matches the second byte of one character and the first of the next;
// "¥" and "\" are the same character of the code page, so a term with either
// finds both.
//
// Most terms are looked for in the file's bytes: their code page form is
// searched, and a hit counts only where it starts on a character of the line.
// That is the same as searching the decoded text whenever every character of
// the term has a single code; a term with a character that has two (some
// symbols and the extension kanji) is searched in the decoded text instead.
class ContentMatcher {
public:
    enum class Result { Match, NoMatch, Unreadable };

    // The empty texts among `terms` are left out.
    explicit ContentMatcher(const std::vector<std::string>& terms);

    // No term to look for.
    bool empty() const { return terms_.empty(); }
    std::size_t termCount() const { return terms_.size(); }

    Result examine(const std::filesystem::path& file);
    bool matches(std::string_view bytes);

private:
    struct Term {
        std::string bytes;   // code page 932 form
        std::string text;    // the same, decoded (UTF-8)
        bool byBytes = true; // the byte search is exact for this term
        bool possible = true; // the code page can hold it at all
    };
    bool found(const Term& term, std::string_view bytes);

    std::vector<Term> terms_;
    std::string buffer_;  // the file being examined, reused
    std::string decoded_; // its text, when a term needs it
    bool decodedValid_ = false;
};

// The texts of the search panel as the matcher takes them: "¥" (U+00A5) is
// the code page's "\".
std::string normalizeSearchTerm(std::string_view term);

} // namespace yorozu
