#include "components/LocaleNumber.h"

#include <QLocale>
#include <cmath>

namespace ulvanta {

std::optional<double> readLocaleNumber(const QString& text) {
    bool ok = false;
    const double value = QLocale::system().toDouble(text.trimmed(), &ok);
    if (!ok || std::isnan(value))
        return std::nullopt;
    return value;
}

} // namespace ulvanta
