// SPDX-License-Identifier: GPL-3.0-or-later
// The backup screen "データのバックアップ".
#include "app/ui/backupdialog.h"

#include "app/pathutil.h"
#include "app/ui/fieldwidth.h"
#include "store/errors.h"
#include "store/prompter.h"
#include "store/session.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace k9 {
namespace {

// The help beside the method. The example folder is a removable medium as this platform
// mounts it; the separator is '/'.
const QStringList kHelp = {
    QStringLiteral("例）　/media/usb/会計データBackup"),
    QStringLiteral("　/media/usb の「会計データBackup」のフォルダの中にコピーします。"),
    QStringLiteral("　保存先にデータフォルダが無い場合は自動的に作成します。"),
    QStringLiteral("  【注意】"),
    QStringLiteral("　　　[/]マークは、半角文字です。"),
    QStringLiteral("　　　保存メディアは、HD、MO、DVD-RAM、ＵＳＢメモリー等 にしてください。"),
    QStringLiteral("　　　CD-RW ,DVD-RWは使用できません。"),
};

// HeadM.PathName2 is CHARACTER(100).
constexpr int kBaseFolderWidth = 100;

QLineEdit* readOnlyField(const QString& objectName, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::ClickFocus);
    QPalette p = edit->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window));
    edit->setPalette(p);
    return edit;
}

// The busy cursor and a note while the copy runs; the buttons wait meanwhile.
class BusyScope {
public:
    BusyScope(std::initializer_list<QWidget*> widgets, QLabel* status, const QString& note)
        : m_widgets(widgets), m_status(status) {
        for (QWidget* w : m_widgets)
            w->setEnabled(false);
        m_status->setText(note);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    ~BusyScope() {
        QApplication::restoreOverrideCursor();
        m_status->clear();
        for (QWidget* w : m_widgets)
            w->setEnabled(true);
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    QList<QWidget*> m_widgets;
    QLabel* m_status;
};

} // namespace

TBackup::TBackup(Session& session, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter),
      m_clock([] { return QDateTime::currentDateTime(); }) {
    setWindowTitle(QStringLiteral("データのバックアップ"));
    auto* layout = new QVBoxLayout(this);

    // 保存元.
    auto* sourceBox = new QGroupBox(QStringLiteral("保存元"), this);
    auto* sourceRow = new QHBoxLayout(sourceBox);
    sourceRow->addWidget(new QLabel(QStringLiteral("保存元パス名"), sourceBox));
    m_source = readOnlyField(QStringLiteral("source"), sourceBox);
    m_source->setText(session.dataPath);
    m_source->setToolTip(session.dataDir());
    sourceRow->addWidget(m_source, 1);
    layout->addWidget(sourceBox);

    // The panel of the backup copy: where to, and how.
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    auto* panelLayout = new QVBoxLayout(panel);
    auto* heading = new QLabel(QStringLiteral("時系列のバックアップコピー"), panel);
    QFont hf = heading->font();
    hf.setBold(true);
    heading->setFont(hf);
    panelLayout->addWidget(heading);

    auto* targetBox = new QGroupBox(QStringLiteral("保存先"), panel);
    auto* targetGrid = new QGridLayout(targetBox);
    m_base = new QLineEdit(targetBox);
    m_base->setObjectName(QStringLiteral("baseFolder"));
    m_base->setMinimumWidth(420);
    m_base->setInputMethodHints(Qt::ImhLatinOnly | Qt::ImhNoPredictiveText);
    limitToCp932Width(m_base, kBaseFolderWidth);
    m_browse = new QPushButton(QStringLiteral("参照"), targetBox);
    m_browse->setObjectName(QStringLiteral("browse"));
    m_target = readOnlyField(QStringLiteral("target"), targetBox);
    targetGrid->addWidget(m_base, 0, 0);
    targetGrid->addWidget(m_browse, 0, 1);
    targetGrid->addWidget(m_target, 1, 0, 1, 2);
    panelLayout->addWidget(targetBox);

    auto* methodBox = new QGroupBox(QStringLiteral("保存方式"), panel);
    auto* methodRow = new QHBoxLayout(methodBox);
    m_timeSeries = new QRadioButton(QStringLiteral("時系列保存"), methodBox);
    m_timeSeries->setObjectName(QStringLiteral("timeSeries"));
    m_overwrite = new QRadioButton(QStringLiteral("上書保存"), methodBox);
    m_overwrite->setObjectName(QStringLiteral("overwrite"));
    auto* methods = new QButtonGroup(this);
    methods->addButton(m_timeSeries, static_cast<int>(BackupMethod::TimeSeries));
    methods->addButton(m_overwrite, static_cast<int>(BackupMethod::Overwrite));
    methodRow->addWidget(m_timeSeries);
    methodRow->addWidget(m_overwrite);
    methodRow->addStretch(1);
    panelLayout->addWidget(methodBox);

    auto* help = new QLabel(kHelp.join(QLatin1Char('\n')), panel);
    help->setObjectName(QStringLiteral("help"));
    panelLayout->addWidget(help);
    layout->addWidget(panel);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    layout->addWidget(m_status);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_execute = new QPushButton(QStringLiteral("実　　行"), this);
    m_execute->setObjectName(QStringLiteral("execute"));
    m_execute->setDefault(true);
    m_close = new QPushButton(QStringLiteral("閉じる"), this);
    m_close->setObjectName(QStringLiteral("close"));
    buttons->addWidget(m_execute);
    buttons->addWidget(m_close);
    layout->addLayout(buttons);

    // The remembered choices.
    BackupSettings remembered;
    try {
        remembered = loadBackupSettings(session.hm);
    } catch (const K9Error& e) {
        remembered.baseFolder = defaultBackupBase();
        prompter.error(e.message());
    }
    m_base->setText(remembered.baseFolder);
    (remembered.method == BackupMethod::Overwrite ? m_overwrite : m_timeSeries)->setChecked(true);
    updateTarget();

    connect(m_base, &QLineEdit::textChanged, this, &TBackup::updateTarget);
    connect(methods, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            updateTarget();
    });
    connect(m_browse, &QPushButton::clicked, this, &TBackup::browse);
    connect(m_execute, &QPushButton::clicked, this, &TBackup::execute);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
}

void TBackup::setClock(std::function<QDateTime()> clock) {
    m_clock = std::move(clock);
    updateTarget();
}

BackupSettings TBackup::settings() const {
    return {m_base->text(), m_overwrite->isChecked() ? BackupMethod::Overwrite : BackupMethod::TimeSeries};
}

QString TBackup::target() const {
    return m_target->text();
}

void TBackup::updateTarget() {
    updateTargetAt(m_clock());
}

void TBackup::updateTargetAt(const QDateTime& now) {
    const BackupSettings s = settings();
    m_target->setText(backupTarget(s.baseFolder, s.method, now, m_session.appDir));
}

void TBackup::browse() {
    const QString start =
        backupTarget(m_base->text(), BackupMethod::Overwrite, QDateTime(), m_session.appDir);
    auto chosen = m_prompter.chooseFolder(QStringLiteral("フォルダ参照"), start);
    if (!chosen || chosen->trimmed().isEmpty())
        return;
    QString base = pathRelativeToAppDir(m_session.appDir, *chosen);
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    m_base->setText(base);
}

void TBackup::execute() {
    const QDateTime now = m_clock();
    updateTargetAt(now);
    const BackupSettings s = settings();
    const BackupRequest request{m_session.dataDir(), s.baseFolder, s.method, now, m_session.appDir};

    bool finished = false;
    {
        BusyScope busy({m_execute, m_close, m_browse}, m_status,
                       QStringLiteral("バックアップコピーをしています…"));
        finished = runBackup(request, m_prompter);
    }
    if (finished)
        accept();
}

void TBackup::done(int result) {
    try {
        saveBackupSettings(m_session.hm, settings());
    } catch (const K9Error& e) {
        m_prompter.error(e.message());
    }
    QDialog::done(result);
}

} // namespace k9
