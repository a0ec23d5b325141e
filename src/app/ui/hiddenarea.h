// SPDX-License-Identifier: GPL-3.0-or-later
// A caption-less area of a screen that reveals a rarely used function on double-click
// (the access codes under 初期設定１, the template editing of the unit register).
#pragma once

#include <QFrame>

namespace k9 {

class HiddenArea : public QFrame {
    Q_OBJECT
public:
    explicit HiddenArea(QWidget* parent = nullptr) : QFrame(parent) { setFrameShape(QFrame::NoFrame); }

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent*) override { emit doubleClicked(); }
};

} // namespace k9
