// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/datapathform.h"

#include "app/datapath.h"
#include "app/ui/fieldwidth.h"
#include "store/prompter.h"
#include "store/session.h"

#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace k9 {
namespace {

QLabel* lines(const QStringList& texts, QWidget* parent) {
    auto* label = new QLabel(texts.join(QLatin1Char('\n')), parent);
    label->setWordWrap(false);
    return label;
}

QLabel* example(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

TDataPath::TDataPath(Session& session, Prompter& prompter, const QDate& today, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter), m_today(today) {
    const QString caption = QStringLiteral("データパス名の設定");
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);

    auto* heading = new QLabel(caption, this);
    QFont hf = heading->font();
    hf.setPointSizeF(hf.pointSizeF() * 1.4);
    hf.setBold(true);
    heading->setFont(hf);
    layout->addWidget(heading);

    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("dataPath"));
    m_path->setMinimumWidth(420);
    m_path->setInputMethodHints(Qt::ImhLatinOnly | Qt::ImhNoPredictiveText);
    limitToCp932Width(m_path, 100);
    auto* browseButton = new QPushButton(QStringLiteral("参照"), this);
    connect(browseButton, &QPushButton::clicked, this, &TDataPath::browse);
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(m_path, 1);
    pathRow->addWidget(browseButton);
    layout->addLayout(pathRow);

    layout->addWidget(
        lines({QStringLiteral("新しいデータパス名を指定すると、データフォルダは自動作成されます。"),
               QStringLiteral("通常はこの例のようにしてください。")},
              this));

    const DataPathExamples ex = dataPathExamples(today, QDir::homePath());
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(10);
    grid->addWidget(example(ex.relative, this), 0, 0, Qt::AlignTop);
    grid->addWidget(
        lines({QStringLiteral("相対パス名になります。"),
               QStringLiteral(
                   "ドライブ名を指定しない場合は、会計ソフトのフォルダの中にデータフォルダが作成されます。"),
               QStringLiteral("USBメモリー等で運用する場合はこの方法が便利です。")},
              this),
        0, 1);
    auto* appDirRow = new QHBoxLayout;
    appDirRow->addWidget(new QLabel(QStringLiteral("この中にデータフォルダができます。"), this));
    auto* appDir = new QLabel(session.appDir, this);
    appDir->setObjectName(QStringLiteral("appDir"));
    appDir->setFrameShape(QFrame::StyledPanel);
    appDir->setTextInteractionFlags(Qt::TextSelectableByMouse);
    appDirRow->addWidget(appDir, 1);
    grid->addLayout(appDirRow, 1, 1);
    grid->addWidget(example(ex.local, this), 2, 0, Qt::AlignTop);
    grid->addWidget(example(ex.network, this), 3, 0, Qt::AlignTop);
    grid->addWidget(lines({QStringLiteral("ネットワークで運用する場合の例です。"),
                           QStringLiteral("設定する場合は、ネットワークの管理者に相談してください。")},
                          this),
                    3, 1);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("中　　断"), this);
    connect(ok, &QPushButton::clicked, this, &TDataPath::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    showStoredPath();
}

void TDataPath::showStoredPath() {
    try {
        m_path->setText(dataPathFieldText(m_session, m_today));
    } catch (const K9Error& e) {
        m_prompter.error(e.message());
    }
    m_path->setFocus();
}

void TDataPath::browse() {
    auto chosen = m_prompter.chooseFolder(QStringLiteral("フォルダ参照"), m_session.appDir);
    if (chosen)
        m_path->setText(browsedDataPath(m_session.appDir, *chosen));
}

void TDataPath::confirm() {
    if (m_path->text().trimmed().isEmpty())
        return;
    DataPathAnswer answer = DataPathAnswer::StayOpen;
    try {
        answer = acceptDataPath(m_session, m_prompter, m_path->text());
    } catch (const K9Error& e) {
        m_prompter.error(e.message());
    }
    if (answer == DataPathAnswer::Accepted)
        accept();
    else
        showStoredPath();
}

} // namespace k9
