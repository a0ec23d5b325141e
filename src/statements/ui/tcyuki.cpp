// SPDX-License-Identifier: GPL-3.0-or-later
#include "statements/ui/tcyuki.h"

#include "reports/report.h"
#include "statements/statementsprint.h"
#include "store/errors.h"
#include "store/prompter.h"
#include "store/session.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

namespace k9 {

Tcyuki::Tcyuki(Session& session, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter) {
    setObjectName(QStringLiteral("Tcyuki"));
    setWindowTitle(QStringLiteral("決算書脚注"));

    auto* heading = new QLabel(QStringLiteral("決算書の脚注（注記）"), this);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    heading->setFont(headingFont);

    // The ruler and the text share one fixed face, so fifty full-width characters of text
    // end where the ruler ends: the width a footnote line prints in.
    const QFont face = reportFont(ReportFace::Gothic, 11);
    auto* ruler = new QLabel(QStringLiteral("１２３４５６７８９０").repeated(5), this);
    ruler->setObjectName(QStringLiteral("ruler"));
    ruler->setFont(face);
    ruler->setStyleSheet(QStringLiteral("color: #0000c0;"));
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("text"));
    m_text->setFont(face);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setPlainText(loadFootnoteText(session));
    m_text->setReadOnly(session.viewOnly);
    ruler->setContentsMargins(m_text->frameWidth() + static_cast<int>(m_text->document()->documentMargin()),
                              0, 0, 0);
    const double rulerWidth = QFontMetricsF(face).horizontalAdvance(ruler->text());
    m_text->setMinimumWidth(static_cast<int>(rulerWidth) + 40);
    m_text->setMinimumHeight(420);

    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("close"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(ruler);
    layout->addWidget(m_text, 1);
    layout->addWidget(close, 0, Qt::AlignRight);
}

void Tcyuki::done(int result) {
    if (!m_session.viewOnly) {
        try {
            saveFootnoteText(m_session, m_text->toPlainText());
        } catch (const K9Error& e) {
            m_prompter.message(QStringLiteral("[エラー] ") + e.message(), MessageIcon::Error);
            return;
        }
    }
    QDialog::done(result);
}

} // namespace k9
