#ifndef QB_NAMESPACES_PICKER_EDITNAMESPACEDIALOG_H
#define QB_NAMESPACES_PICKER_EDITNAMESPACEDIALOG_H
// The namespace chooser: one row per namespace a picker uses, each offering
// the scene's namespaces; on OK the picker's names are moved over.
#include <QtCore/QList>
#include <QtCore/QStringList>
#include <QtWidgets/QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class picker_view;

class picker_editNamespaceDialog : public QDialog
{
    Q_OBJECT
public:
    struct nsPairRecord {
        QLabel* label;     // the namespace in use
        QComboBox* chooser; // the namespace to change it to
    };

    // current: the namespaces the picker uses (":" for none), one row each;
    // available: the scene's namespaces, offered in every row in this order.
    picker_editNamespaceDialog(QWidget* parent, QStringList const& current, QStringList const& available);
    ~picker_editNamespaceDialog() override;

    // Runs the chooser over view and, on OK, rewrites its buttons in place
    // (not undoable; no repaint, no changed()). True on OK, also when no
    // row changed; false when cancelled or when the canvas went away while
    // the chooser was open.
    static bool do_dialog(picker_view* view, QStringList const& current, QStringList const& available);

private:
    QList<nsPairRecord> rows_;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};
#endif
