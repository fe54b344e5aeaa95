#ifndef QB_TESTS_SCRIPTED_DIALOGS_H
#define QB_TESTS_SCRIPTED_DIALOGS_H
// Dialogs answered by the test: every question is recorded, and answered
// from a queue (a message box with its default when the queue is empty).
#include "ui/picker_dialogs.h"
#include <QtCore/QQueue>
#include <QtCore/QString>
#include <functional>

struct scripted_dialogs : picker_dialogs {
    struct Asked {
        QString kind;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        QWidget* parent = nullptr;
        QString dir;    // file dialogs: the start folder
        QString filter; // file dialogs: the filter
    };
    struct TextAnswer {
        bool ok;
        QString text;
    };

    QList<Asked> asked;
    QQueue<QMessageBox::StandardButton> boxAnswers;
    QQueue<TextAnswer> textAnswers;
    QQueue<QStringList> fileAnswers; // file dialogs; empty queue: cancelled
    std::function<void()> duringQuestion; // runs while a question is "open"

    scripted_dialogs() { picker_dialogs::install(this); }
    ~scripted_dialogs() override { picker_dialogs::install(nullptr); }

    QWidget* lastParent = nullptr;

    QMessageBox::StandardButton box(const char* kind, const QString& title, const QString& text,
                                    QMessageBox::StandardButtons buttons, QMessageBox::StandardButton def)
    {
        asked.append({QString::fromLatin1(kind), title, text, buttons, def, lastParent});
        if (duringQuestion)
            duringQuestion();
        return boxAnswers.isEmpty() ? def : boxAnswers.dequeue();
    }
    QMessageBox::StandardButton warning(QWidget* p, const QString& t, const QString& x, QMessageBox::StandardButtons b,
                                        QMessageBox::StandardButton d) override
    {
        lastParent = p;
        return box("warning", t, x, b, d);
    }
    QMessageBox::StandardButton critical(QWidget* p, const QString& t, const QString& x,
                                         QMessageBox::StandardButtons b, QMessageBox::StandardButton d) override
    {
        lastParent = p;
        return box("critical", t, x, b, d);
    }
    QMessageBox::StandardButton question(QWidget* p, const QString& t, const QString& x,
                                         QMessageBox::StandardButtons b, QMessageBox::StandardButton d) override
    {
        lastParent = p;
        return box("question", t, x, b, d);
    }
    QMessageBox::StandardButton information(QWidget* p, const QString& t, const QString& x,
                                            QMessageBox::StandardButtons b, QMessageBox::StandardButton d) override
    {
        lastParent = p;
        return box("information", t, x, b, d);
    }
    QString getText(QWidget*, const QString& title, const QString& label, const QString& text, bool* ok) override
    {
        asked.append({QStringLiteral("getText"), title, label + QLatin1Char('|') + text, {}, QMessageBox::NoButton});
        if (duringQuestion)
            duringQuestion();
        const TextAnswer a = textAnswers.isEmpty() ? TextAnswer{false, QString()} : textAnswers.dequeue();
        if (ok)
            *ok = a.ok;
        return a.ok ? a.text : QString();
    }
    QStringList file(const char* kind, QWidget* parent, const QString& caption, const QString& dir,
                     const QString& filter)
    {
        Asked a{QString::fromLatin1(kind), caption, QString(), {}, QMessageBox::NoButton, parent, dir, filter};
        asked.append(a);
        if (duringQuestion)
            duringQuestion();
        return fileAnswers.isEmpty() ? QStringList() : fileAnswers.dequeue();
    }
    QStringList getOpenFileNames(QWidget* p, const QString& c, const QString& d, const QString& f) override
    {
        return file("getOpenFileNames", p, c, d, f);
    }
    QString getOpenFileName(QWidget* p, const QString& c, const QString& d, const QString& f) override
    {
        const QStringList l = file("getOpenFileName", p, c, d, f);
        return l.isEmpty() ? QString() : l.first();
    }
    QString getSaveFileName(QWidget* p, const QString& c, const QString& d, const QString& f) override
    {
        const QStringList l = file("getSaveFileName", p, c, d, f);
        return l.isEmpty() ? QString() : l.first();
    }
    void about(QWidget*, const QString& title, const QString& text) override
    {
        asked.append({QStringLiteral("about"), title, text, {}, QMessageBox::NoButton});
    }
};
#endif
