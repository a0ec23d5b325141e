// SPDX-License-Identifier: GPL-3.0-or-later
// Every message box, confirmation and file or folder dialog goes through a Prompter. The
// windowed program shows real dialogs; tests answer from a script and record the texts;
// batch mode writes messages to stderr and answers Yes.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

namespace k9 {

enum class MessageIcon { Information, Warning, Error, Question };
enum class Answer { Yes, No, Cancel };
enum class Buttons { YesNo, YesNoCancel, OkCancel };

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual void message(const QString& text, MessageIcon icon = MessageIcon::Information) = 0;
    virtual Answer ask(const QString& text, MessageIcon icon = MessageIcon::Question,
                       Buttons buttons = Buttons::YesNo) = 0;
    virtual std::optional<QString> chooseFolder(const QString& title, const QString& start) = 0;
    virtual std::optional<QString> openFileName(const QString& title, const QString& start,
                                                const QString& filter) = 0;
    virtual std::optional<QString> saveFileName(const QString& title, const QString& start,
                                                const QString& filter) = 0;
    // Shows a file with the desktop's default application (spreadsheets, PDF files).
    virtual bool openWithDesktop(const QString& file) = 0;

    // Convenience forms.
    void error(const QString& text) { message(text, MessageIcon::Error); }
    void warning(const QString& text) { message(text, MessageIcon::Warning); }
    bool confirm(const QString& text, MessageIcon icon = MessageIcon::Warning, Buttons buttons = Buttons::YesNo) {
        return ask(text, icon, buttons) == Answer::Yes;
    }
};

// Scripted answers and a record of everything shown; used by tests.
class RecordingPrompter : public Prompter {
public:
    struct Shown {
        QString text;
        MessageIcon icon;
        bool question;
    };
    std::vector<Shown> shown;
    std::deque<Answer> answers;             // answers in order; Yes when exhausted
    std::deque<std::optional<QString>> paths; // answers to folder/file dialogs; nullopt = cancelled
    QStringList opened;                     // files handed to the desktop

    void message(const QString& text, MessageIcon icon) override { shown.push_back({text, icon, false}); }
    Answer ask(const QString& text, MessageIcon icon, Buttons) override {
        shown.push_back({text, icon, true});
        if (answers.empty())
            return Answer::Yes;
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<QString> chooseFolder(const QString&, const QString&) override { return nextPath(); }
    std::optional<QString> openFileName(const QString&, const QString&, const QString&) override { return nextPath(); }
    std::optional<QString> saveFileName(const QString&, const QString&, const QString&) override { return nextPath(); }
    bool openWithDesktop(const QString& file) override {
        opened << file;
        return true;
    }
    QStringList texts() const {
        QStringList t;
        for (const auto& s : shown)
            t << s.text;
        return t;
    }
    QString last() const { return shown.empty() ? QString() : shown.back().text; }
    void clear() { shown.clear(); }

private:
    std::optional<QString> nextPath() {
        if (paths.empty())
            return std::nullopt;
        std::optional<QString> p;
        if (paths.front().has_value())
            p = *paths.front();
        paths.pop_front();
        return p;
    }
};

// Batch mode: messages go to stderr, questions are answered Yes, no dialogs.
class ConsolePrompter : public Prompter {
public:
    void message(const QString& text, MessageIcon icon) override;
    Answer ask(const QString& text, MessageIcon icon, Buttons buttons) override;
    std::optional<QString> chooseFolder(const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> openFileName(const QString&, const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> saveFileName(const QString&, const QString&, const QString&) override { return std::nullopt; }
    bool openWithDesktop(const QString&) override { return false; }
};

} // namespace k9
