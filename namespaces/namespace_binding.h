#ifndef QB_NAMESPACES_NAMESPACE_BINDING_H
#define QB_NAMESPACES_NAMESPACE_BINDING_H
#include <QtCore/QStringList>

class picker_view;

// Binding a picker's names to the scene: when a namespace its buttons use
// is missing from the scene (or when forced), the chooser asks which scene
// namespace each one becomes, and the names are rewritten.
class namespace_binding
{
public:
    // scene: the scene's namespaces, ":" for the root.
    static void rebind(picker_view* view, QStringList const& scene, bool force);
};
#endif
