#ifndef QB_WINDOW_TAB_FILES_H
#define QB_WINDOW_TAB_FILES_H
#include <QtCore/QDataStream>
#include <QtCore/QObject>
#include <QtCore/QString>
#include <QtCore/QStringList>

class picker_document;
class picker_view;
class picker_window;
struct picker_tab_data;

// The window's tabs as files: picker files opened into new tabs and saved
// from the current one, and every tab written to and rebuilt from a window
// stream (the scene's copy). A file or stream read only in part is loaded
// as far as it goes and reported once.
class tab_files : public QObject
{
    Q_OBJECT
public:
    explicit tab_files(picker_window* window);

    void open_tab();
    void load_pickers(QStringList const& paths);
    // Other tools' picker files (dwpicker, mGear's anim picker), each tab a
    // new tab here, as a load adds them; what did not come over is shown in
    // one box per file.
    void import_tab();
    void import_pickers(QStringList const& paths);
    bool do_save(picker_view* view, QString const& path);
    void save_current();
    void saveas_current();

    // A tab made from a rig's picker node, as a load adds one (lit for the
    // host's selection, not current), from no file.
    picker_view* add_rig_tab(const picker_tab_data& tab);
    // What a document holds, as picker files and streams write it.
    static picker_tab_data tab_data(const picker_document* document);

    void streamTo(QDataStream& stream) const;
    // Rebuilds every tab from a window stream; valueDamage says what
    // decoding the scene's value found damaged (empty when nothing), and
    // sceneName names the scene in the one warning about it.
    void streamFrom(QDataStream& stream, QString const& valueDamage, QString const& sceneName);

private:
    // A document made from a tab read from a file (made current, lit for
    // the host's selection) or from the scene (restore), shown in a new tab
    // with its background's image key written as each way writes it.
    picker_view* add_loaded_tab(const picker_tab_data& tab, const QString& path, bool restore);
    // Tells the user that picker data could be read only in part.
    void report_damage(QString const& headline, QStringList const& problems, QString const& advice);
    static QString button_count(int count);

    picker_window* window_;
};
#endif
