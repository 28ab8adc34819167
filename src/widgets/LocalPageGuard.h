#pragma once

#include "components/PageSafety.h"

class QObject;
class QWebEngineScriptCollection;
class QWebEngineSettings;
class QWebEngineUrlRequestInterceptor;

namespace ulvanta {

// Engine settings for pages shown from local files: their scripts reach no
// network address, open no window and read no clipboard.
void applyLocalPageSettings(QWebEngineSettings* settings);

// A request interceptor that holds every request of a local page to what
// PageSafety::mayLoad allows, by the request's kind and the page's folder.
QWebEngineUrlRequestInterceptor* createLocalPageInterceptor(QObject* parent);

// Adds the script that reports the user's own acts on links to a page's scripts,
// in a world apart from the page's own.
void addLinkActivationScript(QWebEngineScriptCollection& scripts,
                             const PageSafety::LinkActivations& activations);

// Adds the script that shows, and gives screen readers, the "&comma;" a built page
// writes in its descriptions, tooltips and title as the comma it stands for. It
// changes what is displayed, never the page's file.
void addCommaDisplayScript(QWebEngineScriptCollection& scripts);

} // namespace ulvanta
