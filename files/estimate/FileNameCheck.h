#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace yorozu {

// The message shown when a name holds a character a file name cannot hold.
extern const char* const kUnusableNameMessage;

// FNAME_CHECK: the message when `name` holds one of \ / : . ; * ? " < > |,
// nothing when the name is usable. The window shows the message and focuses
// the field the name came from.
std::optional<std::string> FNAME_CHECK(std::string_view name);

// The name with every control character (a NUL above all, which would end the
// name early for the system) replaced by "_", for building a file name from
// a text that came from a file or the clipboard. The text itself keeps them.
std::string withoutControlCharacters(std::string_view name);

} // namespace yorozu
