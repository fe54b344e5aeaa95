#include "sandbox/script_editor.h"
#include "sandbox/short_text.h"
#include <qbhost/host_session.h>

#include <QtGui/QClipboard>
#include <QtGui/QFontDatabase>
#include <QtGui/QGuiApplication>
#include <QtGui/QKeyEvent>
#include <QtGui/QTextBlock>
#include <QtGui/QTextCursor>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QMenu>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QSplitter>
#include <QtWidgets/QVBoxLayout>

using qbhost::HistoryKind;

script_editor::script_editor(qbhost::HostSession& host, QWidget* parent) : QWidget(parent), host_(host)
{
    setObjectName(QStringLiteral("scriptEditor"));
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    history_ = new QPlainTextEdit;
    history_->setObjectName(QStringLiteral("history"));
    history_->setReadOnly(true);
    history_->setFont(fixed);
    history_->setMaximumBlockCount(kMaximumLines);
    // Wrapped: long entries are shortened, the rest never scrolls sideways.
    history_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    history_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(history_, &QWidget::customContextMenuRequested, this, &script_editor::showHistoryMenu);

    input_ = new QPlainTextEdit;
    input_->setObjectName(QStringLiteral("melInput"));
    input_->setFont(fixed);
    input_->setPlaceholderText(tr("MEL; Ctrl+Return runs it"));
    input_->installEventFilter(this);

    showAll_ = new QCheckBox(tr("Show all"));
    showAll_->setObjectName(QStringLiteral("showAllHistory"));
    showAll_->setToolTip(tr("Also show the texts queued to run without being shown, such as the picker's scene writes"));
    connect(showAll_, &QCheckBox::toggled, this, &script_editor::setShowAll);

    QPushButton* run = new QPushButton(tr("Run"));
    run->setObjectName(QStringLiteral("runButton"));
    QPushButton* clear = new QPushButton(tr("Clear History"));
    connect(run, &QPushButton::clicked, this, &script_editor::runInput);
    connect(clear, &QPushButton::clicked, this, &script_editor::clearHistoryView);

    QSplitter* split = new QSplitter(Qt::Vertical);
    split->addWidget(history_);
    split->addWidget(input_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);

    QHBoxLayout* buttons = new QHBoxLayout;
    buttons->addWidget(showAll_);
    buttons->addStretch(1);
    buttons->addWidget(clear);
    buttons->addWidget(run);
    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(split, 1);
    layout->addLayout(buttons);

    for (const qbhost::HistoryEntry& e : host_.history())
        appendEntry(int(e.kind), e.text, e.display);
    connect(&host_, &qbhost::HostSession::historyAdded, this, &script_editor::appendEntry);
}

QString script_editor::shownText(int kind, const QString& text)
{
    QString shown = shortened(text, kShownCharacters);
    // Line ends inside one entry stay, but a trailing one would leave an
    // empty line under every printed line.
    while (shown.endsWith(QLatin1Char('\n')))
        shown.chop(1);
    switch (HistoryKind(kind)) {
    case HistoryKind::Warning:
        return QStringLiteral("// Warning: ") + shown;
    case HistoryKind::Error:
        return QStringLiteral("// Error: ") + shown;
    case HistoryKind::Python:
        return QStringLiteral("# Python, not run: ") + shown;
    case HistoryKind::Mel:
    case HistoryKind::Output:
        break;
    }
    return shown;
}

QColor script_editor::kindColor(int kind) const
{
    switch (HistoryKind(kind)) {
    case HistoryKind::Error:
        return QColor(220, 40, 40);
    case HistoryKind::Warning:
        return QColor(200, 120, 0);
    case HistoryKind::Python:
        return QColor(120, 90, 200);
    case HistoryKind::Output:
        return QColor(40, 140, 170);
    case HistoryKind::Mel:
        break;
    }
    return palette().color(QPalette::Text);
}

void script_editor::appendEntry(int kind, const QString& text, bool display)
{
    Entry entry{kind, shownText(kind, text), display, 0};
    if (text.size() > kShownCharacters) {
        entry.number = nextEntry_++;
        wholeTexts_.emplace_back(entry.number, text);
        if (static_cast<int>(wholeTexts_.size()) > kWholeTextsKept)
            wholeTexts_.pop_front();
    }
    entries_.push_back(entry);
    if (static_cast<int>(entries_.size()) > kMaximumLines)
        entries_.pop_front();
    if (display || showAll_->isChecked())
        showEntry(entries_.back());
}

void script_editor::showEntry(const Entry& entry)
{
    QTextCharFormat format;
    format.setForeground(kindColor(entry.kind));
    QTextCursor cursor(history_->document());
    cursor.movePosition(QTextCursor::End);
    if (!history_->document()->isEmpty())
        cursor.insertBlock();
    QTextBlock first = cursor.block();
    cursor.insertText(entry.shown, format);
    if (entry.number > 0)
        for (QTextBlock b = first; b.isValid(); b = b.next())
            b.setUserState(entry.number);
    history_->moveCursor(QTextCursor::End);
    history_->ensureCursorVisible();
}

void script_editor::setShowAll(bool on)
{
    if (showAll_->isChecked() != on) {
        showAll_->setChecked(on); // comes back here through toggled
        return;
    }
    history_->clear();
    for (const Entry& e : entries_)
        if (e.display || on)
            showEntry(e);
}

QString script_editor::wholeText(const QTextBlock& line) const
{
    const int entry = line.userState();
    if (entry <= 0)
        return QString();
    for (const auto& kept : wholeTexts_)
        if (kept.first == entry)
            return kept.second;
    return QString();
}

void script_editor::showHistoryMenu(const QPoint& pos)
{
    const QString whole = wholeText(history_->cursorForPosition(pos).block());
    QMenu* menu = history_->createStandardContextMenu(pos);
    QAction* copy = menu->addAction(tr("Copy Whole Text"));
    copy->setEnabled(!whole.isEmpty());
    connect(copy, &QAction::triggered, this, [whole]() { QGuiApplication::clipboard()->setText(whole); });
    // Shown without a loop of its own; gone when it closes.
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(history_->viewport()->mapToGlobal(pos));
}

void script_editor::runInput()
{
    QTextCursor cursor = input_->textCursor();
    const bool part = cursor.hasSelection();
    // A selection comes with paragraph separators where the lines end.
    QString text = part ? cursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'))
                        : input_->toPlainText();
    if (text.trimmed().isEmpty())
        return;
    QString result;
    const MStatus status = host_.executeMel(text, &result);
    if (status && !result.isEmpty())
        host_.logOutput(QStringLiteral("// Result: %1 //").arg(result));
    if (status && !part)
        input_->clear();
}

void script_editor::clearHistoryView()
{
    history_->clear();
    entries_.clear();
}

bool script_editor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == input_ && event->type() == QEvent::KeyPress) {
        QKeyEvent* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            && (key->modifiers() & Qt::ControlModifier)) {
            runInput();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
