#pragma once

#include <QValidator>

#include <cstddef>

namespace yorozu {

// Keeps a line edit's text within a number of code page 932 bytes while it
// is typed or pasted: what an edit would add beyond the limit is dropped
// from its end, whole characters only, so a double-byte character is never
// cut in half and the text never has to be shortened on saving.
class ByteLimitValidator final : public QValidator {
public:
    ByteLimitValidator(std::size_t maxBytes, QObject* parent) : QValidator(parent), maxBytes_(maxBytes) {}

    State validate(QString& input, int& pos) const override;
    std::size_t maxBytes() const { return maxBytes_; }

private:
    std::size_t maxBytes_;
};

} // namespace yorozu
