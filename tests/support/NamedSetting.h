#pragma once

#include "edits/Document.h"
#include "model/PropertyTable.h"

#include <QtGlobal>

namespace ulvanta::test {

// Test tables name page settings as the Properties tab shows them: "Columns=3".
inline void setNamedSetting(Document& doc, const QString& nameIsValue) {
    const QString name = nameIsValue.section(QLatin1Char('='), 0, 0);
    const std::optional<Setting> key = PropertyTable::settingNamed(name);
    if (!key)
        qFatal("no page setting is named %s", qPrintable(name));
    doc.setSetting(*key, nameIsValue.section(QLatin1Char('='), 1));
}

} // namespace ulvanta::test
