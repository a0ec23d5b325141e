// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped chart-of-accounts templates: readable CSV sources kept with the program are
// built into the template databases Data1/, Data2/ and Data3/ under the program folder,
// from which a new data folder takes its first chart.
#pragma once

#include "chart/chartvalidator.h"
#include "store/errors.h"

#include <QString>
#include <vector>

namespace k9 {

// A template source that cannot be read, does not fit the table layout, or describes a
// chart with structural faults. The message names the file, row and column where it can.
class ChartTemplateError : public K9Error {
public:
    using K9Error::K9Error;
};

// One shipped template: its folder under the program folder and the title the unit
// register offers it under.
struct ChartTemplate {
    QString folder;
    QString title;
};

// Data1 標準科目マスタ（雛型）, Data2 簡易科目マスタ（雛型）, Data3 NPO法人科目マスタ, in the
// order of the unit register's choice.
const std::vector<ChartTemplate>& chartTemplates();

// The database file of a template folder: appDir/<folder>/k9.db.
QString templateDatabaseFile(const QString& appDir, const QString& folder);

// Builds one template database from sourceDir/kamoku.csv, kamoku2.csv and hojokamoku.csv.
// Source files are UTF-8 with a header line of column names; columns left out of the
// header, and empty cells, are stored as NULL; an explicit 0 stays 0.
// The tables are created in the data-folder layout and filled in one transaction that
// first drops the tables of an older template, so a failure leaves the old one intact.
// Throws ChartTemplateError for a missing or malformed file, a text wider than its column
// or not representable in CP932, a value that is not a whole number, a duplicate key, or a
// chart that validateChart() finds faulty; StoreError when the database cannot be written.
void buildTemplateDatabase(const QString& sourceDir, const QString& targetDbFile);

// Builds every shipped template from templatesSourceRoot/<folder> into
// appDir/<folder>/k9.db, creating the folders as needed. Stops at the first failure.
void installTemplates(const QString& templatesSourceRoot, const QString& appDir);

// The folder holding the template sources: "templates" beside the program, else the
// source tree's folder the build recorded. Empty when neither holds the sources.
QString templateSourceRoot();

} // namespace k9
