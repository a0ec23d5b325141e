// SPDX-License-Identifier: GPL-3.0-or-later
// Tcyuki, the footnote editor of the statements (決算書の脚注（注記）): the unit's footnote
// text under a ruler of fifty full-width digits that marks the printable line width. It opens
// on the unit's file, else on the program folder's template, and writes the unit's file on
// closing, whether or not the text changed. A text that cannot be written keeps the editor
// open with the reason, so nothing typed is lost.
#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace k9 {

class Prompter;
struct Session;

class Tcyuki : public QDialog {
    Q_OBJECT
public:
    Tcyuki(Session& session, Prompter& prompter, QWidget* parent = nullptr);

    QPlainTextEdit* editor() const { return m_text; }
    // Saves the text (not in view-only mode, where the editor is read-only) and closes;
    // stays open when the file cannot be written.
    void done(int result) override;

private:
    Session& m_session;
    Prompter& m_prompter;
    QPlainTextEdit* m_text = nullptr;
};

} // namespace k9
