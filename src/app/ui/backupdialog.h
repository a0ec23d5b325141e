// SPDX-License-Identifier: GPL-3.0-or-later
// The backup screen "データのバックアップ": shows the data folder, lets the user pick the
// backup base folder and method, shows the computed target, and runs the backup. The
// rules (target, checks, the copy itself) live in app/backup.h.
#pragma once

#include "app/backup.h"

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace k9 {

class Prompter;
struct Session;

class TBackup : public QDialog {
    Q_OBJECT
public:
    // Reads the remembered base folder and method from the session's HeadM.
    TBackup(Session& session, Prompter& prompter, QWidget* parent = nullptr);

    // The clock the time-stamped target is taken from (tests fix it).
    void setClock(std::function<QDateTime()> clock);

    BackupSettings settings() const;
    QString target() const;

public slots:
    // "参照": a folder chosen inside the program folder is kept relative to it.
    void browse();
    // "実　　行": closes the screen when the backup is in place.
    void execute();

protected:
    // Every way of closing remembers the base folder and method in HeadM.
    void done(int result) override;

private:
    void updateTarget();
    void updateTargetAt(const QDateTime& now);

    Session& m_session;
    Prompter& m_prompter;
    std::function<QDateTime()> m_clock;

    QLineEdit* m_source = nullptr;
    QLineEdit* m_base = nullptr;
    QLineEdit* m_target = nullptr;
    QRadioButton* m_timeSeries = nullptr;
    QRadioButton* m_overwrite = nullptr;
    QPushButton* m_browse = nullptr;
    QPushButton* m_execute = nullptr;
    QPushButton* m_close = nullptr;
    QLabel* m_status = nullptr;
};

} // namespace k9
