// SPDX-License-Identifier: GPL-3.0-or-later
// The settings screen 初期設定１ (main menu 会計期首): fiscal-year start, seal captions,
// corporation name, passwords, date style, consumption-tax method and the cash-entry button.
// Closing stores the settings (app/settings.h); a value that cannot be stored keeps the
// screen open with every edit in place.
#pragma once

#include "app/settings.h"
#include "app/ui/enterdialog.h"

#include <array>

class QButtonGroup;
class QLineEdit;

namespace k9 {

class Prompter;
struct Session;

class TSyokisettei : public EnterDialog {
    Q_OBJECT
public:
    TSyokisettei(Session& session, Prompter& prompter, QWidget* parent = nullptr);

    // Shows the screen modally. Returns QDialog::Accepted when the settings were stored (the
    // main menu then shows the new CorporationName), Rejected when nothing could be stored.
    int exec() override;
    bool saved() const { return m_saved; }

    // The values as edited on the screen.
    CorporationSettings editedSettings() const;
    // Closing in any way stores the settings first; a refused value keeps the screen open.
    void done(int result) override;

private:
    void showSettings(const CorporationSettings& s);
    void openAccessCodes();

    Session& m_session;
    Prompter& m_prompter;
    QLineEdit* m_fiscalStart = nullptr;
    std::array<QLineEdit*, 5> m_seals{};
    QLineEdit* m_corporation = nullptr;
    QLineEdit* m_userPassword = nullptr;
    QLineEdit* m_viewPassword = nullptr;
    QButtonGroup* m_dateStyle = nullptr;
    QButtonGroup* m_taxMethod = nullptr;
    QButtonGroup* m_cashEntry = nullptr;
    bool m_saved = false;
};

} // namespace k9
