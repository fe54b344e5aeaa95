#ifndef QB_UI_QT_COMPAT_H
#define QB_UI_QT_COMPAT_H
// The few places where Qt 5.15 and Qt 6 disagree, so that one source builds
// for every host release.
#include <QtCore/QtGlobal>
#include <QtGui/QEnterEvent>
#include <QtGui/QMouseEvent>

namespace qt_compat {

// The event type of QWidget::enterEvent.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
using enter_event = QEnterEvent;
#else
using enter_event = QEvent;
#endif

// A mouse event's position in widget and in screen coordinates.
inline QPointF local_position(const QMouseEvent* e)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return e->position();
#else
    return e->localPos();
#endif
}

inline QPoint global_position(const QMouseEvent* e)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return e->globalPosition().toPoint();
#else
    return e->globalPos();
#endif
}

} // namespace qt_compat
#endif
