// SPDX-License-Identifier: GPL-3.0-or-later
// The session: which program, data and work folders are open, which accounting unit is
// selected, who logged in, and the display, tax and report options every screen reads.
// One object, owned by the application and passed to whatever needs it.
#pragma once

#include "store/database.h"

#include <QDate>
#include <QString>
#include <array>
#include <functional>

namespace k9 {

class Prompter;

// File of each folder's database.
inline constexpr const char* kDatabaseFile = "k9.db";
// The ownership stamp written into every data folder of this program.
inline constexpr const char* kProgramCode = "pvxT8M2";

struct Session {
    Session() = default;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Folders. appDir and workDir are absolute and end with '/'; dataPath is kept as typed
    // (relative to appDir when not absolute) and ends with '/'.
    QString appDir;
    QString dataPath;
    QString workDir;
    Database hm;  // program folder
    Database aaa; // data folder of the current fiscal year
    Database www; // work folder

    // The selected accounting unit: 0 = the consolidated total, 1..19, -1 = none.
    int currentUnit = -1;
    QString currentUnitText = QStringLiteral("-1");
    QString currentUnitName;
    int maxUnitIndex = 20;
    std::array<int, 21> unitKind{};
    std::array<int, 21> unitAccessCode{};

    // Login.
    int rightsMode = 0;
    QString loginPassword;
    int viewOnly = 0;

    // Corporation and fiscal year.
    QString corporationName;
    QString representativeName;
    QString programCode = QString::fromLatin1(kProgramCode);
    QDate fiscalYearStart;
    int voucherNumbering = 0;
    int datePrintStyle = 0;

    // Consumption tax.
    int taxMethod = 0;
    QDate taxRateChangeDate;
    std::array<QString, 51> taxClassNames{};
    double taxFactor = 1.0;
    double taxRate = 0.0;
    double nationalTaxRate = 0.0;
    double localTaxRatio = 0.0;
    std::array<double, 6> taxClassFactor{};

    // Report header captions and entry rules.
    QString corporationLabel = QStringLiteral("法人名");
    QString unitLabel = QStringLiteral("会計名");
    int accountCodeLength = 5;
    int adjustingVoucherMode = 0;
    int unsettledVoucherMode = 0;
    int newStandardMode = 0;
    QString templateDir;

    // Consolidation (which units make up the total).
    std::array<int, 31> totalColumns{};
    int totalColumnCount = 0;
    std::array<int, 31> hiddenColumns{};
    int visibleColumnCount = 0;
    int includeAllocatedVouchers = 0;

    // Shared print settings of the statements.
    int printRowHeight = 18;
    int printNameFontSize = 10;
    int printAmountFontSize = 10;
    int printZeroLines = 0;
    int printSmallAccounts = 0;
    int printShading = 0;
    int zeroHideLevel = 0;

    // Choices returned by the account, learning-list and description pickers.
    QString pickedDebitCode;
    QString pickedDebitName;
    QString pickedCreditCode;
    QString pickedCreditName;
    QString pickedDescription;

    // Called after setCurrentUnit, so that the main menu's unit list follows a screen that
    // changes the selected unit.
    std::function<void()> onCurrentUnitChanged;

    // The data folder as an absolute path ending with '/'.
    QString dataDir() const;
    // Resolves a typed folder path against appDir and adds the trailing '/'.
    QString resolve(const QString& typedPath) const;

    // Opens the program folder's database (appDir/k9.db). Does not create HeadM.
    void openProgramFolder();
    // Points the data and work connections at dataPath and workDir and resets the two
    // period-dialog options.
    void connectDatabases();

    // Sets the selected unit (and its text and name) and notifies onCurrentUnitChanged.
    void setCurrentUnit(int unit, const QString& name);
    // View-only login: the program and data folders refuse writes from now on.
    void setViewOnly(bool on);
};

} // namespace k9
