#pragma once

#include <QObject>
#include <QString>

// The child of a window or dialog with the object name. A missing child stops the
// run with its name, so a renamed widget is found at once.
template <typename T> T* child(const QObject* parent, const QString& name) {
    T* found = parent->findChild<T*>(name);
    if (!found)
        qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}
