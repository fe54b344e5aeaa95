#ifndef QB_CANVAS_CONTROL_BINDING_H
#define QB_CANVAS_CONTROL_BINDING_H
// What one canvas's controls show of the host: each control's attributes as
// last read, the value it shows, and whether it may be used (every node
// has the attribute, unlocked). Values come from the host's
// attribute-change callbacks through the window, so nothing polls; an
// attribute is read in full when first met and again when its control is
// pressed.
#include "document/host_port.h"
#include "render/control_painter.h"

#include <QtCore/QHash>
#include <QtCore/QRect>
#include <QtCore/QString>
#include <QtCore/QVector>

class picker_document;

class control_binding
{
public:
    explicit control_binding(const picker_document* document) : document_(document) {}

    // The readings by button index, for painting; brought up to date with
    // the document first.
    const control_readings& readings();
    // Reads the control's attributes again (a press).
    void reread(int index);
    // The nodes of every control, each once.
    QStringList nodes();
    // Why the control cannot be used; empty when it can.
    QString reason(int index);
    // The attribute of a node as last read (Missing when never read).
    host_attribute attribute(const QString& node, const QString& attribute) const;

    // A value set in the host. The picker boxes of the controls it moved
    // are united into dirty; false when none moved.
    bool attribute_changed(const QString& node, const QString& attribute, double value, QRect* dirty);
    // An attribute locked or unlocked in the host: read again, and the
    // controls that set it drawn as they now may be used.
    bool attribute_reread(const QString& node, const QString& attribute, QRect* dirty);
    // A drag shows its own value and ignores the host's echo of it.
    void set_dragged(int index, const QPointF& value);
    // The drag's last value stands until the host tells what it set.
    void end_drag(int index, const QPointF& last);

    // A toggle's values in the order it steps through them: an enum's
    // fields, a bool's 0 and 1, else the whole numbers of its range.
    static QVector<int> toggle_values(const host_attribute& attribute, const button_control& control);
    // How attributes are named here: "node.attribute".
    static QString key(const QString& node, const QString& attribute) { return node + QLatin1Char('.') + attribute; }

private:
    void ensure();
    void read_control(int index, bool fresh);
    void update_reading(int index);

    const picker_document* document_;
    quint64 revision_ = 0;
    bool built_ = false;
    QHash<QString, host_attribute> attributes_;
    // "node.attribute" to the controls (button index, axis) whose shown
    // value it is: their first node's attributes.
    QHash<QString, QVector<QPair<int, int>>> shown_;
    control_readings readings_;
    QHash<int, QString> reasons_;
    int dragged_ = -1;
};
#endif
