#include "launcher/KeyFinder.h"

#include "launcher/LauncherPage.h"

#include <QChildEvent>
#include <QJsonArray>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QRandomGenerator>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>
#include <algorithm>

namespace ulvanta::launcher {

namespace {

// Lives in the launcher's own script world: the page's scripts neither see nor
// replace it. The icons are the links in the page's table cells.
const char KeysScript[] = R"((function () {
  var hide = 'data-ulvanta-hidden', ring = 'data-ulvanta-focus', sheet = null;
  var report = '@PREFIX@', writing = false;
  // Tells the launcher when the user starts or stops writing in a field of the page.
  function tell() {
    var e = document.activeElement;
    var now = !!e && (e.isContentEditable || /^(INPUT|TEXTAREA|SELECT)$/.test(e.tagName));
    if (now !== writing) console.log(report + ((writing = now) ? '1' : '0'));
  }
  document.addEventListener('focusin', tell, true);
  document.addEventListener('focusout', function () { setTimeout(tell, 0); }, true);
  function icons() { return Array.from(document.querySelectorAll('td > a[href]')); }
  function seen(a) {
    var r = a.getBoundingClientRect(), s = getComputedStyle(a);
    return r.width > 0 && r.height > 0 && s.visibility === 'visible' && s.opacity !== '0';
  }
  // As a click follows it: a command starting with "//" is no host name.
  function address(a) {
    var h = a.getAttribute('href'), m = /^(\s*pmc?:)\/\//i.exec(h);
    return m ? new URL(m[1] + '%2F%2F' + h.slice(m[0].length), document.baseURI).href : a.href;
  }
  function marked(name) { return Array.from(document.querySelectorAll('[' + name + ']')); }
  function style() {
    if (sheet && sheet.isConnected) return;
    sheet = document.createElement('style');
    // The ring goes round the icon's cell, a box however the link wraps, in the
    // highlight colour between a black and a white edge: one of them stands out on
    // whatever colour the page or the cell has.
    sheet.textContent = '[' + hide + '] { display: none !important; } [' + ring + '] { ' +
      'outline: 3px solid Highlight !important; outline-offset: -5px !important; ' +
      'box-shadow: inset 0 0 0 2px #000, inset 0 0 0 7px #fff !important; }';
    (document.head || document.documentElement).appendChild(sheet);
  }
  function hideEmpty() {
    var shown = ':not([' + hide + '])';
    document.querySelectorAll('tr, table').forEach(function (e) {
      if (e.querySelector('td > a[href]') &&
          !e.querySelector('tr' + shown + ' > td' + shown + ' > a[href]'))
        e.setAttribute(hide, '');
    });
    document.querySelectorAll('h2').forEach(function (h) {
      var t = h.nextElementSibling;
      while (t && t.tagName !== 'TABLE' && t.tagName !== 'H2') t = t.nextElementSibling;
      if (!t || t.tagName !== 'TABLE' || t.hasAttribute(hide)) h.setAttribute(hide, '');
    });
  }
  window.ulvantaKeys = {
    // Each icon's description, whether the page shows it, and its address.
    list: function () {
      var hidden = marked(hide);
      hidden.forEach(function (e) { e.removeAttribute(hide); });
      var out = icons().map(function (a) { return [a.textContent.trim(), seen(a), address(a)]; });
      hidden.forEach(function (e) { e.setAttribute(hide, ''); });
      return out;
    },
    // Hides the icons not found (and what they leave empty), rings the focused
    // one, and tells where each icon is now.
    show: function (found, finding, focus) {
      style();
      marked(hide).concat(marked(ring)).forEach(function (e) {
        e.removeAttribute(hide);
        e.removeAttribute(ring);
      });
      var all = icons();
      all.forEach(function (a, i) { if (!found[i]) a.parentElement.setAttribute(hide, ''); });
      if (finding) hideEmpty();
      var a = all[focus];
      if (a) {
        a.parentElement.setAttribute(ring, '');
        a.focus({preventScroll: true});
        a.scrollIntoView({block: 'nearest', inline: 'nearest'});
      }
      return all.map(function (a) {
        var r = a.getBoundingClientRect();
        return [r.left, r.top, r.width, r.height];
      });
    }
  };
})();)";

int positionOf(const std::vector<int>& shown, int icon) {
    const auto it = std::find(shown.begin(), shown.end(), icon);
    return it == shown.end() ? -1 : int(it - shown.begin());
}

} // namespace

KeyFinder::KeyFinder(LauncherPage* page, QWebEngineView* view, QLabel* bar, Window window)
    : QObject(view), m_page(page), m_view(view), m_bar(bar), m_window(std::move(window)) {
    QWebEngineScript script;
    script.setName(QStringLiteral("icon-keys"));
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setRunsOnSubFrames(false);
    // Reports carry a secret of this object's own: the page's scripts cannot
    // write one.
    QRandomGenerator* random = QRandomGenerator::system();
    m_prefix = QStringLiteral("ulvanta-keys %1%2 ")
                   .arg(random->generate64(), 16, 16, QLatin1Char('0'))
                   .arg(random->generate64(), 16, 16, QLatin1Char('0'));
    script.setSourceCode(
        QString::fromLatin1(KeysScript).replace(QLatin1String("@PREFIX@"), m_prefix));
    page->scripts().insert(script);
    // The keys go to the widget the engine makes for the page, which it may make
    // again: every child of the view is watched.
    view->installEventFilter(this);
    for (QObject* child : view->children())
        child->installEventFilter(this);
    showTyped();
}

void KeyFinder::reset() {
    m_keys.reset();
    m_focused = -1;
    m_editing = false;
    showTyped();
}

bool KeyFinder::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_view && event->type() == QEvent::ChildAdded)
        static_cast<QChildEvent*>(event)->child()->installEventFilter(this);
    else if (watched != m_view && event->type() == QEvent::KeyPress)
        return keyPressed(*static_cast<QKeyEvent*>(event));
    return false;
}

bool KeyFinder::takeReport(const QString& message) {
    if (!message.startsWith(m_prefix) || message.size() != m_prefix.size() + 1)
        return false;
    m_editing = message.endsWith(QLatin1Char('1'));
    return true;
}

bool KeyFinder::keyPressed(const QKeyEvent& key) {
    if (m_editing)
        return false; // what the user writes there is the page's
    const bool command =
        key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const IconKeys::Act act = m_keys.press(key.key(), command, key.text(), m_window.closable());
    switch (act) {
    case IconKeys::Act::Pass:
        return false;
    case IconKeys::Act::Leave:
        m_focused = -1;
        run(IconKeys::Act::Find);
        return false;
    case IconKeys::Act::Exit:
        m_window.exit();
        return true;
    case IconKeys::Act::StartFirst:
    case IconKeys::Act::StartFocused:
        // Holding the key down starts the icon once.
        if (!key.isAutoRepeat())
            run(act);
        return true;
    default:
        run(act);
        return true;
    }
}

void KeyFinder::run(IconKeys::Act act) {
    showTyped();
    QPointer<KeyFinder> self(this);
    const QString typed = m_keys.typed();
    m_page->runJavaScript(QStringLiteral("ulvantaKeys.list()"), QWebEngineScript::ApplicationWorld,
                          [self, act, typed](const QVariant& icons) {
                              if (self)
                                  self->listed(icons.toList(), act, typed);
                          });
}

void KeyFinder::listed(const QVariantList& icons, IconKeys::Act act, const QString& typed) {
    QVariantList found;
    std::vector<int> shown; // found and seen, in page order
    for (qsizetype i = 0; i < icons.size(); ++i) {
        const QVariantList icon = icons[i].toList();
        found << findsIcon(typed, icon.value(0).toString());
        if (found.back().toBool() && icon.value(1).toBool())
            shown.push_back(int(i));
    }
    const auto start = [&](int icon) {
        if (icon >= 0)
            m_page->followFromKeys(QUrl(icons[icon].toList().value(2).toString()));
    };
    const bool focusShown = positionOf(shown, m_focused) >= 0;
    switch (act) {
    case IconKeys::Act::StartFirst:
        start(shown.empty() ? -1 : shown.front());
        return;
    case IconKeys::Act::StartFocused:
        start(focusShown ? m_focused : -1);
        return;
    case IconKeys::Act::Step:
        if (focusShown) {
            mark(found, !typed.isEmpty(), m_focused,
                 [this, found, typed, shown](const QVariantList& places) {
                     stepped(places, shown);
                     mark(found, !typed.isEmpty(), m_focused);
                 });
            return;
        }
        [[fallthrough]];
    case IconKeys::Act::FocusFirst:
        m_focused = shown.empty() ? -1 : shown.front();
        break;
    default:
        m_focused = -1;
        break;
    }
    m_keys.setFocusing(m_focused >= 0);
    mark(found, !typed.isEmpty(), m_focused);
}

void KeyFinder::stepped(const QVariantList& places, const std::vector<int>& shown) {
    std::vector<QRectF> rects;
    for (const int icon : shown) {
        const QVariantList r = places.value(icon).toList();
        rects.emplace_back(r.value(0).toDouble(), r.value(1).toDouble(), r.value(2).toDouble(),
                           r.value(3).toDouble());
    }
    const int to = iconAfterStep(rects, positionOf(shown, m_focused), m_keys.step());
    if (to >= 0)
        m_focused = shown[size_t(to)];
}

void KeyFinder::mark(const QVariantList& found, bool finding, int focus,
                     const std::function<void(const QVariantList&)>& then) {
    QPointer<KeyFinder> self(this);
    m_page->runJavaScript(
        QStringLiteral("ulvantaKeys.show(%1, %2, %3)")
            .arg(QString::fromLatin1(QJsonDocument(QJsonArray::fromVariantList(found))
                                         .toJson(QJsonDocument::Compact)),
                 finding ? QStringLiteral("true") : QStringLiteral("false"))
            .arg(focus),
        QWebEngineScript::ApplicationWorld, [self, then](const QVariant& places) {
            if (self && then)
                then(places.toList());
        });
}

void KeyFinder::showTyped() {
    m_bar->setText(tr("Find: %1").arg(m_keys.typed()));
    m_bar->setVisible(!m_keys.typed().isEmpty());
}

} // namespace ulvanta::launcher
