// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/widgetprompter.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace k9 {
namespace {

const QString kTitle = QStringLiteral("新公益法人会計K9");

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QWidget* WidgetPrompter::parentWidget() const {
    return m_parent ? m_parent.data() : QApplication::activeWindow();
}

void WidgetPrompter::message(const QString& text, MessageIcon icon) {
    QMessageBox box(boxIcon(icon), kTitle, text, QMessageBox::NoButton, parentWidget());
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

Answer WidgetPrompter::ask(const QString& text, MessageIcon icon, Buttons buttons) {
    QMessageBox box(boxIcon(icon), kTitle, text, QMessageBox::NoButton, parentWidget());
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    QPushButton* cancel = nullptr;
    if (buttons == Buttons::OkCancel) {
        yes = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    } else {
        yes = box.addButton(QStringLiteral("はい"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("いいえ"), QMessageBox::NoRole);
        if (buttons == Buttons::YesNoCancel)
            cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    }
    box.setDefaultButton(yes);
    if (cancel)
        box.setEscapeButton(cancel);
    else
        box.setEscapeButton(no);
    box.exec();
    if (box.clickedButton() == yes)
        return Answer::Yes;
    if (no && box.clickedButton() == no)
        return Answer::No;
    return Answer::Cancel;
}

std::optional<QString> WidgetPrompter::chooseFolder(const QString& title, const QString& start) {
    QString dir = QFileDialog::getExistingDirectory(parentWidget(), title, start);
    if (dir.isEmpty())
        return std::nullopt;
    return dir;
}

std::optional<QString> WidgetPrompter::openFileName(const QString& title, const QString& start,
                                                    const QString& filter) {
    QString file = QFileDialog::getOpenFileName(parentWidget(), title, start, filter);
    if (file.isEmpty())
        return std::nullopt;
    return file;
}

std::optional<QString> WidgetPrompter::saveFileName(const QString& title, const QString& start,
                                                    const QString& filter) {
    // The overwrite question is the program's own ("同名のファイルがあります。…").
    QString file = QFileDialog::getSaveFileName(parentWidget(), title, start, filter, nullptr,
                                                QFileDialog::DontConfirmOverwrite);
    if (file.isEmpty())
        return std::nullopt;
    return file;
}

bool WidgetPrompter::openWithDesktop(const QString& file) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

} // namespace k9
