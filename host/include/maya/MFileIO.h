#ifndef QB_STANDIN_MFILEIO_H
#define QB_STANDIN_MFILEIO_H
#include <maya/MTypes.h>
#include <maya/MString.h>

class OPENMAYA_EXPORT MFileIO
{
public:
    // The file of the open scene; "untitled" for a scene never saved, as
    // the host names it.
    static MString currentFile();
};
#endif
