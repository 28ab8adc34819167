#pragma once

#include "Version.h"

#include <QString>

namespace ulvanta {

// What the program says about itself: the about box, the feedback mail.
namespace ProgramInfo {

inline QString title() {
    return QStringLiteral("Ulvanta Editor");
}

// "3.3.13": major, minor and revision, from the project's version.
inline QString version() {
    return QStringLiteral(ULVANTA_VERSION);
}

inline QString description() {
    return QStringLiteral("Builds HTML launcher pages of icons and sections for Ulvanta.");
}

inline QString company() {
    return QStringLiteral("The Ulvanta Editor developers");
}

inline QString feedbackAddress() {
    return QStringLiteral("feedback@ulvanta-editor.org");
}

// The mail link the Send feedback command opens.
inline QString feedbackLink() {
    return QStringLiteral("mailto:") + feedbackAddress() +
           QStringLiteral("?subject=Ulvanta Editor Feedback");
}

} // namespace ProgramInfo
} // namespace ulvanta
