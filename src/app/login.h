// SPDX-License-Identifier: GPL-3.0-or-later
// The user-password login of start-up: the stored user and view-only passwords of HeadM,
// the factory default and the service code, and the session values a login sets.
#pragma once

#include <QString>

namespace k9 {

struct Session;

// The factory default user password, expected while HeadM.PM5 holds 0.
inline constexpr const char* kDefaultUserPassword = "5807";
// A fixed service code accepted as a user password.
inline constexpr const char* kServiceCode = "7319";

// What HeadM holds for the login, as the login compares it.
struct LoginData {
    QString userPassword;       // PM5 as four digits with leading zeros ("0000" when unset)
    QString viewOnlyPassword;   // PM4 as five digits with leading zeros
    QString corporationName;    // 法人名
    QString representativeName; // 代表者
};

enum class LoginOutcome { User, ViewOnly, Refused };

// Reads the first HeadM row; a missing row or empty columns read as 0 and empty text.
LoginData readLoginData(Session& session);

// The login rule: the typed text must equal the user password ("5807" while the stored one
// is "0000") or the service code; else the view-only password; else the login is refused.
LoginOutcome checkLogin(const LoginData& stored, const QString& typed);

// Applies an accepted login: LoginPassword, ViewOnly (with the store's write protection),
// CorporationName and RepresentativeName. Returns false for a refused login, which changes
// nothing; the caller shows msg::wrongPassword() and ends the program.
bool applyLogin(Session& session, const LoginData& stored, const QString& typed);

} // namespace k9
