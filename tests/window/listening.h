// Listening as assistive technology does, for the window tests: what the
// windows tell screen readers, recorded instead of passed to a bridge.
#pragma once

#include <QAccessible>
#include <QList>
#include <QScopeGuard>
#include <QString>
#include <utility>
// Qt passes accessibility events on only while its platform says that
// assistive technology listens; offscreen, only its own tests say so.
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

// Each event with the name of what it is about, in order.
inline QList<std::pair<QAccessible::Event, QString>> g_events;

inline void Record(QAccessibleEvent *event)
{
    QAccessibleInterface *iface = event->accessibleInterface();
    g_events.append({event->type(), iface ? iface->text(QAccessible::Name) : QString()});
}

// Records into g_events, from empty, until the returned guard ends.
inline auto Listen()
{
    g_events.clear();
    QPlatformAccessibility *platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
    if (!platform)
        qFatal("the platform has no accessibility");
    QAccessible::installUpdateHandler(Record);
    platform->setActive(true);
    return qScopeGuard([platform] {
        platform->setActive(false);
        QAccessible::installUpdateHandler(nullptr);
    });
}
