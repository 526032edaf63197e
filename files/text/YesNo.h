#pragma once

#include <functional>
#include <string>

namespace yorozu {

// A Yes/No question put to the user: true for Yes. The window answers it
// through its dialog interface; a test or a headless caller answers directly.
using AskYesNo = std::function<bool(const std::string& question)>;

} // namespace yorozu
