#pragma once

#include <QRectF>
#include <QString>
#include <vector>

namespace ulvanta::launcher {

// Whether the text typed finds an icon by its description: ignoring case, accents
// and punctuation, the typed text is part of the description, or its letters are
// the initials of words of the description in their order ("tc" finds "Tea,
// coffee"). Nothing typed finds every icon.
bool findsIcon(const QString& typed, const QString& description);

// A move between the icons shown.
enum class IconStep { Next, Previous, Below, Above };

// The icon a step leads to from icon `from` (-1: none yet) among the icons shown,
// given where each one is on the page, in reading order. Next and Previous follow
// reading order, Below and Above go to the nearest row beneath or over the icon,
// to the icon there closest in line with it. A step off the ends stays put; -1
// when no icon is shown.
int iconAfterStep(const std::vector<QRectF>& shown, int from, IconStep step);

// The launcher's own keys: typing finds icons, Home and the arrows move among the
// icons shown, Enter and Space start one. It only decides; the window applies what
// each key asks for.
class IconKeys {
public:
    enum class Act {
        Pass,         // not a key of the launcher's: the page gets it
        Leave,        // the page gets it, and the launcher's focus leaves the icons
        Find,         // the typed text changed (or was cleared): find again
        StartFirst,   // start the first icon shown
        StartFocused, // start the icon the launcher has focused
        FocusFirst,
        Step, // move the focus, as step() says
        Exit, // what the window's Exit command does
    };

    // The key pressed (a Qt::Key), whether Ctrl, Alt or Meta was held with it, the
    // text it types, and whether the page lets the window be closed.
    Act press(int key, bool commandKey, const QString& text, bool closable);

    const QString& typed() const { return m_typed; }
    IconStep step() const { return m_step; }
    // Whether an icon holds the launcher's focus (Enter and Space start it).
    bool focusing() const { return m_focusing; }
    void setFocusing(bool focusing) { m_focusing = focusing; }
    // The page shown changed: nothing typed, nothing focused.
    void reset();

private:
    Act arrow(IconStep step);

    QString m_typed;
    IconStep m_step = IconStep::Next;
    bool m_focusing = false;
    bool m_escaped = false; // the last key was Escape
};

} // namespace ulvanta::launcher
