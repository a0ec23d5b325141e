// SPDX-License-Identifier: GPL-3.0-or-later
// Settings screen 初期設定１; see tsyokisettei.h.
#include "app/ui/tsyokisettei.h"

#include "app/registermessages.h"
#include "app/ui/fieldwidth.h"
#include "app/ui/hiddenarea.h"
#include "app/ui/tkengen.h"
#include "store/captions.h"
#include "store/prompter.h"
#include "store/session.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace k9 {
namespace {

QLineEdit* textField(const QString& name, int maxBytes, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    limitToCp932Width(edit, maxBytes);
    return edit;
}

QLineEdit* latinField(const QString& name, int maxLength, Qt::InputMethodHints hints, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    edit->setInputMethodHints(hints);
    return edit;
}

QGroupBox* choiceBox(const QString& title, const QString& name, const QStringList& choices,
                     QButtonGroup*& group, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    group = new QButtonGroup(box);
    auto* layout = new QVBoxLayout(box);
    for (int i = 0; i < choices.size(); ++i) {
        auto* radio = new QRadioButton(choices[i], box);
        group->addButton(radio, i);
        layout->addWidget(radio);
    }
    layout->addStretch(1);
    return box;
}

void check(QButtonGroup* group, int id) {
    if (auto* b = group->button(id))
        b->setChecked(true);
    else if (auto* first = group->button(0))
        first->setChecked(true);
}

} // namespace

TSyokisettei::TSyokisettei(Session& session, Prompter& prompter, QWidget* parent)
    : EnterDialog(parent), m_session(session), m_prompter(prompter) {
    setObjectName(QStringLiteral("TSyokisettei"));
    setWindowTitle(dataPathCaption(m_session.dataPath));

    auto* heading = new QLabel(msg::settingsCaption(), this);
    QFont f = heading->font();
    f.setPointSizeF(f.pointSizeF() * 1.4);
    f.setBold(true);
    heading->setFont(f);

    m_fiscalStart =
        latinField(QStringLiteral("fiscalYearStart"), 10, Qt::ImhDate | Qt::ImhPreferNumbers, this);
    m_fiscalStart->setFixedWidth(110);
    auto* fiscalRow = new QHBoxLayout;
    fiscalRow->addWidget(m_fiscalStart);
    fiscalRow->addWidget(new QLabel(msg::fiscalStartExample(), this));
    fiscalRow->addStretch(1);

    auto* sealBox = new QGroupBox(QStringLiteral("職印"), this);
    auto* sealLayout = new QHBoxLayout(sealBox);
    for (int i = 0; i < 5; ++i) {
        auto* column = new QVBoxLayout;
        column->addWidget(new QLabel(sealColumn(i), sealBox), 0, Qt::AlignHCenter);
        auto* seal = textField(QStringLiteral("seal%1").arg(i + 1), 8, sealBox);
        seal->setFixedWidth(80);
        m_seals[static_cast<size_t>(i)] = seal;
        column->addWidget(seal);
        sealLayout->addLayout(column);
    }
    sealLayout->addStretch(1);

    m_corporation = textField(QStringLiteral("corporationName"), 100, this);
    m_corporation->setMinimumWidth(420);
    m_userPassword = latinField(QStringLiteral("userPassword"), 4, Qt::ImhDigitsOnly, this);
    m_userPassword->setFixedWidth(80);
    m_viewPassword = latinField(QStringLiteral("viewOnlyPassword"), 5, Qt::ImhDigitsOnly, this);
    m_viewPassword->setFixedWidth(80);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("会計期首"), fiscalRow);
    form->addRow(sealBox);
    form->addRow(QStringLiteral("法人名の変更"), m_corporation);
    form->addRow(QStringLiteral("ユーザーパスワード（4桁の数値）"), m_userPassword);
    form->addRow(QStringLiteral("見るだけパスワード（5桁の数値）"), m_viewPassword);

    auto* choices = new QHBoxLayout;
    choices->addWidget(choiceBox(QStringLiteral("印刷時の表示選択"), QStringLiteral("datePrintStyle"),
                                 {QStringLiteral("和暦表示"), QStringLiteral("西暦表示")}, m_dateStyle,
                                 this));
    choices->addWidget(
        choiceBox(QStringLiteral("消費税計算の選択"), QStringLiteral("taxMethod"),
                  {QStringLiteral("本則計算"), QStringLiteral("簡易計算"), QStringLiteral("しない")},
                  m_taxMethod, this));
    choices->addWidget(choiceBox(QStringLiteral("現預金入力ボタン"), QStringLiteral("cashEntryButton"),
                                 {QStringLiteral("表示する"), QStringLiteral("表示しない")}, m_cashEntry,
                                 this));

    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto* hidden = new HiddenArea(this);
    hidden->setObjectName(QStringLiteral("accessCodeArea"));
    hidden->setFixedHeight(18);
    connect(hidden, &HiddenArea::doubleClicked, this, &TSyokisettei::openAccessCodes);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(form);
    layout->addLayout(choices);
    layout->addLayout(buttons);
    layout->addWidget(hidden);

    try {
        showSettings(loadSettings(m_session));
    } catch (const K9Error& e) {
        m_prompter.error(msg::storeFailure(e.message()));
        showSettings(CorporationSettings{});
    }
    m_fiscalStart->setFocus();
    disableDefaultButtons();
}

void TSyokisettei::showSettings(const CorporationSettings& s) {
    m_fiscalStart->setText(s.fiscalYearStart);
    for (size_t i = 0; i < m_seals.size(); ++i)
        m_seals[i]->setText(s.seals[i]);
    m_corporation->setText(s.corporationName);
    m_userPassword->setText(s.userPassword);
    m_viewPassword->setText(s.viewOnlyPassword);
    check(m_dateStyle, s.datePrintStyle);
    check(m_taxMethod, s.taxMethod);
    check(m_cashEntry, s.cashEntryButton);
}

CorporationSettings TSyokisettei::editedSettings() const {
    CorporationSettings s;
    s.fiscalYearStart = m_fiscalStart->text();
    for (size_t i = 0; i < m_seals.size(); ++i)
        s.seals[i] = m_seals[i]->text();
    s.corporationName = m_corporation->text();
    s.userPassword = m_userPassword->text();
    s.viewOnlyPassword = m_viewPassword->text();
    s.datePrintStyle = std::max(0, m_dateStyle->checkedId());
    s.taxMethod = std::max(0, m_taxMethod->checkedId());
    s.cashEntryButton = std::max(0, m_cashEntry->checkedId());
    return s;
}

int TSyokisettei::exec() {
    QDialog::exec();
    return m_saved ? QDialog::Accepted : QDialog::Rejected;
}

void TSyokisettei::done(int result) {
    if (m_session.viewOnly != 1) {
        try {
            saveSettings(m_session, editedSettings());
            m_saved = true;
        } catch (const SettingsInputError& e) {
            m_prompter.message(e.message(), MessageIcon::Warning);
            QLineEdit* field = m_fiscalStart;
            if (e.field() == SettingsField::UserPassword)
                field = m_userPassword;
            else if (e.field() == SettingsField::ViewOnlyPassword)
                field = m_viewPassword;
            field->setFocus();
            field->selectAll();
            return;
        } catch (const K9Error& e) {
            m_prompter.error(msg::storeFailure(e.message()));
        }
    }
    QDialog::done(result);
}

void TSyokisettei::openAccessCodes() {
    TKengen codes(m_session, m_prompter, this);
    codes.exec();
}

} // namespace k9
