#pragma once

#include <QStringList>

#include <filesystem>
#include <optional>

namespace yorozu {

// The estimate named on the command line, as a file manager hands it over
// (the desktop entry's "%f", a path or a file URL): the first argument that
// is not an option, made absolute. Qt has taken its own options already.
std::optional<std::filesystem::path> estimateFileArgument(const QStringList& arguments);

} // namespace yorozu
