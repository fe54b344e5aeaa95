#ifndef QB_SANDBOX_SCRIPT_EDITOR_H
#define QB_SANDBOX_SCRIPT_EDITOR_H
// The script editor: the host's history above (MEL that ran, output,
// warnings, errors in red, Python kept but not run) and a MEL input below.
// Texts queued to run with display off (the plug-in's scene writes) are
// not shown, as the host does not echo them; "Show all" shows them too.
#include <QtGui/QColor>
#include <QtWidgets/QWidget>

#include <deque>
#include <utility>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;
class QTextBlock;
namespace qbhost {
class HostSession;
}

class script_editor : public QWidget
{
    Q_OBJECT
public:
    // History texts longer than this are shown shortened: the plug-in keeps
    // whole pickers as one MEL line, megabytes long.
    static constexpr int kShownCharacters = 400;
    // Oldest lines go once the view holds this many.
    static constexpr int kMaximumLines = 20000;
    // The whole text of the latest this many shortened entries stays at
    // hand for the history's "Copy Whole Text" item.
    static constexpr int kWholeTextsKept = 16;

    explicit script_editor(qbhost::HostSession& host, QWidget* parent = nullptr);

    QPlainTextEdit* historyView() const { return history_; }
    QPlainTextEdit* input() const { return input_; }
    QCheckBox* showAllBox() const { return showAll_; }

    // The line shown for one history entry and its colour.
    static QString shownText(int kind, const QString& text);
    QColor kindColor(int kind) const;

    // The whole text of the shortened entry a line of the history view
    // belongs to; empty when the line was not shortened or is too old.
    QString wholeText(const QTextBlock& line) const;

public slots:
    // Runs the input (or its selected part) as MEL. The input is kept when
    // it failed, so that it can be mended.
    void runInput();
    void clearHistoryView();
    // Shows the texts queued with display off too, or hides them again.
    void setShowAll(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        int kind;
        QString shown;   // the line(s) shown for it
        bool display;
        int number;      // of its whole text, 0 when it was not shortened
    };
    void appendEntry(int kind, const QString& text, bool display = true);
    void showEntry(const Entry& entry);
    void showHistoryMenu(const QPoint& pos);

    qbhost::HostSession& host_;
    QPlainTextEdit* history_ = nullptr;
    QPlainTextEdit* input_ = nullptr;
    QCheckBox* showAll_ = nullptr;
    // The latest entries, shown or not, so that the toggle can show them.
    std::deque<Entry> entries_;
    // (entry number, whole text) of the latest shortened entries; their
    // lines carry the number as the block's user state.
    std::deque<std::pair<int, QString>> wholeTexts_;
    int nextEntry_ = 1;
};
#endif
