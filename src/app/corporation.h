// SPDX-License-Identifier: GPL-3.0-or-later
// The corporation-name registration asked for at the first login (法人名登録): the rule of
// its OK and 中　　断 buttons.
#pragma once

#include <QString>

namespace k9 {

struct Session;

enum class CorporationNameButton { Ok, Cancel };

// Handles a button of the registration dialog; returns true when the dialog closes.
// OK: the typed text with every half-width and full-width space removed becomes
// CorporationName; when nothing remains the dialog stays open and nothing is stored.
// Whenever the dialog closes (OK or 中　　断) the text as typed is stored in HeadM.法人名.
bool registerCorporationName(Session& session, const QString& typed, CorporationNameButton button);

} // namespace k9
