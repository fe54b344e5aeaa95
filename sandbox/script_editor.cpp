#include "sandbox/script_editor.h"
#include "sandbox/short_text.h"
#include <qbhost/host_session.h>

#include <QtGui/QFontDatabase>
#include <QtGui/QKeyEvent>
#include <QtGui/QTextBlock>
#include <QtGui/QTextCursor>
#include <QtWidgets/QHBoxLayout>
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

    input_ = new QPlainTextEdit;
    input_->setObjectName(QStringLiteral("melInput"));
    input_->setFont(fixed);
    input_->setPlaceholderText(tr("MEL; Ctrl+Return runs it"));
    input_->installEventFilter(this);

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
    buttons->addStretch(1);
    buttons->addWidget(clear);
    buttons->addWidget(run);
    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(split, 1);
    layout->addLayout(buttons);

    for (const qbhost::HistoryEntry& e : host_.history())
        appendEntry(int(e.kind), e.text);
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

void script_editor::appendEntry(int kind, const QString& text)
{
    QTextCharFormat format;
    format.setForeground(kindColor(kind));
    QTextCursor cursor(history_->document());
    cursor.movePosition(QTextCursor::End);
    if (!history_->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertText(shownText(kind, text), format);
    history_->moveCursor(QTextCursor::End);
    history_->ensureCursorVisible();
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
