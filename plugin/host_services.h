#ifndef QB_PLUGIN_HOST_SERVICES_H
#define QB_PLUGIN_HOST_SERVICES_H
// The few host services the plug-in needs beyond the API calls themselves.
#include <maya/MString.h>
#include <maya/MStringArray.h>
#include <QtCore/QList>
#include <QtCore/QRect>
#include <QtCore/QString>
#include <QtCore/QStringList>

// One toolkit string per host string, in order.
QStringList MStringArrayToQStringList(MStringArray const& array);

// Queues the embedded script ":/scripts/<name>" for the host's MEL; a missing
// resource is skipped silently.
void load_script(QString name);

// Available areas of the screens, in index order, and the primary's index.
QList<QRect> screen_areas();
int primary_screen_index();
#endif
