// SPDX-License-Identifier: GPL-3.0-or-later
// The windowed program's Prompter: message boxes with はい/いいえ/キャンセル buttons, folder
// and file dialogs, and the desktop's default application. The only place where the program
// shows real message boxes.
#pragma once

#include "store/prompter.h"

#include <QPointer>
#include <QWidget>

namespace k9 {

class WidgetPrompter : public Prompter {
public:
    explicit WidgetPrompter(QWidget* parent = nullptr) : m_parent(parent) {}
    // The window the dialogs are centred on (the active window when none).
    void setParentWidget(QWidget* parent) { m_parent = parent; }

    void message(const QString& text, MessageIcon icon) override;
    Answer ask(const QString& text, MessageIcon icon, Buttons buttons) override;
    std::optional<QString> chooseFolder(const QString& title, const QString& start) override;
    std::optional<QString> openFileName(const QString& title, const QString& start,
                                        const QString& filter) override;
    std::optional<QString> saveFileName(const QString& title, const QString& start,
                                        const QString& filter) override;
    bool openWithDesktop(const QString& file) override;

private:
    QWidget* parentWidget() const;
    QPointer<QWidget> m_parent;
};

} // namespace k9
