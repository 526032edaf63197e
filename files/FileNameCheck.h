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

} // namespace yorozu
