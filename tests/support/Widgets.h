#pragma once

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QObject>
#include <QString>
#include <QTest>
#include <QTimer>
#include <functional>

// The child of a window or dialog with the object name. A missing child stops the
// run with its name, so a renamed widget is found at once.
template <typename T> T* child(const QObject* parent, const QString& name) {
    T* found = parent->findChild<T*>(name);
    if (!found)
        qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

// Runs f on the modal dialog as soon as one is showing and active (the command
// that opens it is blocked in the dialog's own event loop meanwhile).
inline QTimer* whenModal(std::function<void(QDialog*)> f) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, f] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d || !d->isVisible() || QApplication::activeWindow() != d)
            return;
        timer->stop();
        timer->deleteLater();
        f(d);
        if (QTest::currentTestFailed())
            d->reject(); // so that the test goes on to report it
    });
    timer->start();
    return timer;
}

// The names of the links a screen reader is given below this object. The browser
// engine's accessible objects are built without type information, which the
// undefined-behaviour sanitizer's vptr check would take for a bad object.
#if defined(__clang__) || defined(__GNUC__)
__attribute__((no_sanitize("vptr")))
#endif
inline QStringList
accessibleLinks(QAccessibleInterface* object) {
    QStringList names;
    if (object && object->role() == QAccessible::Link)
        names << object->text(QAccessible::Name);
    for (int i = 0; object && i < object->childCount(); ++i)
        names << accessibleLinks(object->child(i));
    return names;
}
