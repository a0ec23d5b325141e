// SPDX-License-Identifier: GPL-3.0-or-later
// Base of the register dialogs: Enter in a field moves to the next field (as everywhere in
// the program), Enter on a button presses it, and no button is pressed by an Enter typed
// elsewhere (Qt dialogs would otherwise press their default button).
#pragma once

#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>

namespace k9 {

class EnterDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    // Call at the end of the constructor, after every button exists.
    void disableDefaultButtons() {
        for (auto* button : findChildren<QPushButton*>()) {
            button->setAutoDefault(false);
            button->setDefault(false);
        }
    }

    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
            QDialog::keyPressEvent(event);
            return;
        }
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        else
            focusNextChild();
        event->accept();
    }
};

} // namespace k9
