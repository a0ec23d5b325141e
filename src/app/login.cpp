// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/login.h"

#include "store/session.h"

namespace k9 {

LoginData readLoginData(Session& session) {
    LoginData d;
    long long pm5 = 0;
    long long pm4 = 0;
    auto st = session.hm.prepare(
        QStringLiteral("SELECT \"PM5\", \"PM4\", \"法人名\", \"代表者\" FROM \"HeadM\" LIMIT 1"));
    if (st.step()) {
        pm5 = st.integer(0);
        pm4 = st.integer(1);
        d.corporationName = st.text(2);
        d.representativeName = st.text(3);
    }
    d.userPassword = QStringLiteral("%1").arg(pm5, 4, 10, QLatin1Char('0'));
    d.viewOnlyPassword = QStringLiteral("%1").arg(pm4, 5, 10, QLatin1Char('0'));
    return d;
}

LoginOutcome checkLogin(const LoginData& stored, const QString& typed) {
    QString expected = stored.userPassword;
    if (expected == QLatin1String("0000"))
        expected = QString::fromLatin1(kDefaultUserPassword);
    if (typed == expected || typed == QLatin1String(kServiceCode))
        return LoginOutcome::User;
    if (typed == stored.viewOnlyPassword)
        return LoginOutcome::ViewOnly;
    return LoginOutcome::Refused;
}

bool applyLogin(Session& session, const LoginData& stored, const QString& typed) {
    LoginOutcome outcome = checkLogin(stored, typed);
    if (outcome == LoginOutcome::Refused)
        return false;
    session.loginPassword = typed;
    session.setViewOnly(outcome == LoginOutcome::ViewOnly);
    session.corporationName = stored.corporationName;
    session.representativeName = stored.representativeName;
    return true;
}

} // namespace k9
