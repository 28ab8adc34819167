#pragma once

#include <QString>
#include <optional>

namespace ulvanta {

// The platform's number test: the whole text, blanks around it allowed, read as a
// number in the user's regional form. Nothing for text that is no number; an
// infinity counts as a number (the callers decide whether it is out of range).
std::optional<double> readLocaleNumber(const QString& text);

} // namespace ulvanta
