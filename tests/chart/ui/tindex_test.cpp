// SPDX-License-Identifier: GPL-3.0-or-later
// The index-label printer screen: its choices on the accounts and on the fund lines,
// "実　　行" handing the label sheets to a recording presenter (one sheet per 42 names),
// the refusals of an empty choice and of a choice without lines, the painted sheet (each
// name upright in the upper half and turned half a turn in the lower half), and the general
// ledger's "インデックス" button opening it on the accounts. With K9_INDEX_PNG set to a
// file name the first sheet is also saved there as an image.
#include "chart/ui/tindex.h"
#include "ledgers/ledgerfixture.h"
#include "ledgers/ui/tmotocyou.h"
#include "store/prompter.h"
#include "store/session.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

using namespace k9;
using namespace k9::indexlabels;

namespace {

struct Labels {
    test::SessionFixture folders;
    RecordingPrompter prompter;
    std::vector<PaintedPages> shown;

    // `count` input accounts (every third one used in the period) and two fund lines.
    explicit Labels(int count = 3) {
        for (int i = 0; i < count; ++i)
            folders.session.www.insertRow(
                QStringLiteral("kamoku"),
                {{QStringLiteral("code"), QString::number(51000 + i)},
                 {QStringLiteral("科目名"), QStringLiteral("　　事業費 %1").arg(i + 1)},
                 {QStringLiteral("FlgA"), 0},
                 {QStringLiteral("FlgB"), 2},
                 {QStringLiteral("FlgC"), 0},
                 {QStringLiteral("借方"), i % 3 == 0 ? QVariant(1000) : QVariant()}});
        folders.session.www.insertRow(QStringLiteral("kamoku2"),
                                      {{QStringLiteral("SNo"), 100},
                                       {QStringLiteral("code"), QStringLiteral("41010")},
                                       {QStringLiteral("科目名"), QStringLiteral("会費 収入")},
                                       {QStringLiteral("FlgA"), 0},
                                       {QStringLiteral("FlgB"), 2},
                                       {QStringLiteral("FlgC"), 1},
                                       {QStringLiteral("FlgG"), 500}});
        folders.session.www.insertRow(QStringLiteral("kamoku2"),
                                      {{QStringLiteral("SNo"), 200},
                                       {QStringLiteral("code"), QStringLiteral("10100")},
                                       {QStringLiteral("科目名"), QStringLiteral("現金預金")},
                                       {QStringLiteral("FlgA"), 0},
                                       {QStringLiteral("FlgB"), 1},
                                       {QStringLiteral("FlgC"), 0},
                                       {QStringLiteral("FlgG"), 500}});
    }
    std::unique_ptr<TIndex> screen(Source source) {
        auto s = std::make_unique<TIndex>(folders.session, prompter, source);
        s->setPagesPresenter([this](QWidget*, const PaintedPages& pages) { shown.push_back(pages); });
        return s;
    }
};

QImage paintPage(const PaintedPages& pages, int page, int dpi = 96) {
    const double factor = dpi / 96.0;
    QImage image(static_cast<int>(210.0 / 25.4 * dpi), static_cast<int>(297.0 / 25.4 * dpi),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(factor, factor);
    pages.paint(painter, page);
    painter.end();
    return image;
}

// Dark pixels inside a rectangle given in report pixels.
int ink(const QImage& image, const QRectF& r, double factor = 1.0) {
    const QRect box = QRectF(r.left() * factor, r.top() * factor, r.width() * factor, r.height() * factor)
                          .toAlignedRect()
                          .intersected(image.rect());
    int dark = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            dark += qGray(image.pixel(x, y)) < 160 ? 1 : 0;
    return dark;
}

// Waits for the modal dialog the next action opens, hands it to `inspect` and closes it.
void whenModalOpens(const std::function<void(QWidget*)>& inspect, int tries = 100) {
    QTimer::singleShot(20, [inspect, tries] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            if (tries > 0)
                whenModalOpens(inspect, tries - 1);
            return;
        }
        inspect(modal);
        modal->close();
    });
}

} // namespace

class TIndexTest : public QObject {
    Q_OBJECT
private slots:
    void accountModeOffersEveryClassAndLevelTicked() {
        Labels l;
        auto s = l.screen(Source::Accounts);
        for (int i = 0; i < 4; ++i) {
            QVERIFY(s->classBox(static_cast<ClassIndex>(i))->isVisibleTo(s.get()));
            QVERIFY(s->classBox(static_cast<ClassIndex>(i))->isChecked());
            QVERIFY(s->levelBox(static_cast<LevelIndex>(i))->isChecked());
        }
        QVERIFY(!s->usedOnlyButton()->isChecked());
        QVERIFY(s->sheetButton(Sheet::KpcT691bR)->isChecked());
        QCOMPARE(s->sheetButton(Sheet::LbpT691bR)->text(), QStringLiteral("LBP-T691B-R(販売完了品)"));
        QCOMPARE(s->note()->text(), QStringLiteral("タックインデックス（大）A4　４２面　に対応しています。"));
        const Choices c = s->choices();
        QCOMPARE(c.classes, (std::array<bool, 4>{true, true, true, true}));
        QCOMPARE(c.sheet, Sheet::KpcT691bR);
    }

    void fundModeHidesAndUnticksAssetsAndLiabilities() {
        Labels l;
        auto s = l.screen(Source::FundLines);
        Choices all;
        all.usedOnly = true;
        all.sheet = Sheet::LbpT691bR;
        s->setChoices(all);
        QVERIFY(!s->classBox(Assets)->isVisibleTo(s.get()));
        QVERIFY(!s->classBox(Liabilities)->isVisibleTo(s.get()));
        QVERIFY(!s->classBox(Assets)->isChecked());
        QVERIFY(!s->classBox(Liabilities)->isChecked());
        QVERIFY(s->classBox(Income)->isVisibleTo(s.get()));
        QVERIFY(s->classBox(Expenses)->isChecked());
        const Choices c = s->choices();
        QCOMPARE(c.classes, (std::array<bool, 4>{false, false, true, true}));
        QVERIFY(c.usedOnly);
        QCOMPARE(c.sheet, Sheet::LbpT691bR);
    }

    void runShowsOneSheetPerFortyTwoNames_data() {
        QTest::addColumn<int>("accounts");
        QTest::addColumn<int>("sheets");
        QTest::addColumn<int>("onLastSheet");
        QTest::newRow("3 names") << 3 << 1 << 3;
        QTest::newRow("42 names") << 42 << 1 << 42;
        QTest::newRow("50 names") << 50 << 2 << 8;
    }
    void runShowsOneSheetPerFortyTwoNames() {
        QFETCH(int, accounts);
        QFETCH(int, sheets);
        QFETCH(int, onLastSheet);
        Labels l(accounts);
        auto s = l.screen(Source::Accounts);
        QCOMPARE(s->run(), sheets);
        QCOMPARE(l.shown.size(), std::size_t(1));
        QCOMPARE(l.shown.front().pageCount, sheets);
        QVERIFY(l.prompter.shown.empty());
        const QImage last = paintPage(l.shown.front(), sheets - 1);
        const SheetLayout& layout = sheetLayout(Sheet::KpcT691bR);
        for (int slot = 0; slot < kLabelsPerSheet; ++slot) {
            const QRectF r = labelRect(layout, slot);
            const QRectF upper(r.left(), r.top(), r.width(), r.height() / 2);
            const QRectF lower(r.left(), r.center().y(), r.width(), r.height() / 2);
            if (slot < onLastSheet) {
                QVERIFY2(ink(last, upper) > 20, qPrintable(QString::number(slot)));
                QVERIFY2(ink(last, lower) > 20, qPrintable(QString::number(slot)));
            } else {
                QCOMPARE(ink(last, r), 0);
            }
        }
    }

    void theLowerHalfIsTheUpperHalfTurnedHalfATurn() {
        Labels l(1);
        auto s = l.screen(Source::Accounts);
        QCOMPARE(s->run(), 1);
        constexpr int kDpi = 192;
        const double factor = kDpi / 96.0;
        const QImage sheet = paintPage(l.shown.front(), 0, kDpi);
        const QRectF r = labelRect(sheetLayout(Sheet::KpcT691bR), 0);
        const QRect upper =
            QRectF(r.left() * factor, r.top() * factor, r.width() * factor, r.height() / 2 * factor)
                .toAlignedRect();
        const QRect lower = upper.translated(0, upper.height());
        const QImage top = sheet.copy(upper).convertToFormat(QImage::Format_Grayscale8);
        const QImage turned =
            sheet.copy(lower).convertToFormat(QImage::Format_Grayscale8).mirrored(true, true);
        int inked = 0;
        int differing = 0;
        for (int y = 0; y < top.height(); ++y)
            for (int x = 0; x < top.width(); ++x) {
                const bool a = qGray(top.pixel(x, y)) < 128;
                inked += a ? 1 : 0;
                // A pixel of slack for the rounding of the label's position.
                bool near = false;
                for (int dy = -2; dy <= 2 && !near; ++dy)
                    for (int dx = -2; dx <= 2 && !near; ++dx) {
                        const QPoint p(x + dx, y + dy);
                        near = turned.rect().contains(p) && (qGray(turned.pixel(p)) < 128) == a;
                    }
                differing += near ? 0 : 1;
            }
        QVERIFY(inked > 100);
        QVERIFY2(differing * 50 < inked, qPrintable(QStringLiteral("%1 of %2").arg(differing).arg(inked)));
        const QString png = qEnvironmentVariable("K9_INDEX_PNG");
        if (!png.isEmpty()) {
            QStringList names;
            for (int i = 0; i < 45; ++i)
                names << (i % 2 ? QStringLiteral("基本財産受取利息収入") : QStringLiteral("現金"));
            QVERIFY(renderLabelSheet(Sheet::KpcT691bR, names, 0, 120, true).save(png));
        }
    }

    void upperNameReadsLeftToRight() {
        Labels l(1);
        auto s = l.screen(Source::Accounts);
        QCOMPARE(s->run(), 1);
        const QImage sheet = paintPage(l.shown.front(), 0, 192);
        const QRectF r = labelRect(sheetLayout(Sheet::KpcT691bR), 0);
        // "事業費1": the digit is narrow and last, so the upright name carries more ink in its
        // left half; the turned copy below carries more in its right half.
        const QRectF upperLeft(r.left(), r.top(), r.width() / 2, r.height() / 2);
        const QRectF upperRight(r.center().x(), r.top(), r.width() / 2, r.height() / 2);
        const QRectF lowerLeft(r.left(), r.center().y(), r.width() / 2, r.height() / 2);
        const QRectF lowerRight(r.center().x(), r.center().y(), r.width() / 2, r.height() / 2);
        QVERIFY(ink(sheet, upperLeft, 2.0) > ink(sheet, upperRight, 2.0));
        QVERIFY(ink(sheet, lowerRight, 2.0) > ink(sheet, lowerLeft, 2.0));
    }

    void emptyChoicesAreRefusedWithAMessage_data() {
        QTest::addColumn<int>("source");
        QTest::addColumn<bool>("clearClasses");
        QTest::addColumn<bool>("clearLevels");
        QTest::addColumn<QString>("message");
        const QString noClass = QStringLiteral("印刷する科目の種類を一つ以上チェックしてください。");
        const QString noLevel = QStringLiteral("印刷する科目の階層を一つ以上チェックしてください。");
        QTest::newRow("accounts, no class") << 0 << true << false << noClass;
        QTest::newRow("accounts, no level") << 0 << false << true << noLevel;
        QTest::newRow("fund lines, no class") << 1 << true << false << noClass;
    }
    void emptyChoicesAreRefusedWithAMessage() {
        QFETCH(int, source);
        QFETCH(bool, clearClasses);
        QFETCH(bool, clearLevels);
        QFETCH(QString, message);
        Labels l;
        auto s = l.screen(source == 0 ? Source::Accounts : Source::FundLines);
        for (int i = 0; i < 4; ++i) {
            if (clearClasses)
                s->classBox(static_cast<ClassIndex>(i))->setChecked(false);
            if (clearLevels)
                s->levelBox(static_cast<LevelIndex>(i))->setChecked(false);
        }
        QCOMPARE(s->run(), 0);
        QVERIFY(l.shown.empty());
        QCOMPARE(l.prompter.texts(), QStringList{message});
        QCOMPARE(l.prompter.shown.front().icon, MessageIcon::Warning);
    }

    void aChoiceWithoutLinesSaysSoAndShowsNothing() {
        Labels l;
        auto s = l.screen(Source::Accounts);
        s->classBox(Expenses)->setChecked(false);
        QCOMPARE(s->run(), 0);
        QVERIFY(l.shown.empty());
        QCOMPARE(l.prompter.texts(), QStringList{TIndex::noLinesMessage()});
    }

    void usedOnlyAndFundLinesReadTheWorkCopy() {
        Labels l(7);
        auto s = l.screen(Source::Accounts);
        s->usedOnlyButton()->setChecked(true);
        QCOMPARE(s->run(), 1);
        // Accounts 1, 4 and 7 were used: three labels, the fourth slot empty.
        const QImage sheet = paintPage(l.shown.back(), 0);
        const SheetLayout& layout = sheetLayout(Sheet::KpcT691bR);
        QVERIFY(ink(sheet, labelRect(layout, 2)) > 20);
        QCOMPARE(ink(sheet, labelRect(layout, 3)), 0);

        auto fund = l.screen(Source::FundLines);
        QCOMPARE(fund->run(), 1);
        const QImage fundSheet = paintPage(l.shown.back(), 0);
        // The receipt line only: the balance-sheet fund line is never a class of this mode.
        QVERIFY(ink(fundSheet, labelRect(layout, 0)) > 20);
        QCOMPARE(ink(fundSheet, labelRect(layout, 1)), 0);
    }

    void theLedgerButtonOpensTheLabelsOnTheAccounts() {
        test::LedgerFixture unit;
        unit.runPeriod();
        RecordingPrompter prompter;
        Tmotocyou ledger(unit.session, prompter);
        ledger.setPickOnFirstShow(false);
        QPushButton* button = ledger.button(QStringLiteral("インデックス"));
        QVERIFY(button != nullptr);
        QVERIFY(button->isEnabled());
        QString opened;
        bool accounts = false;
        bool assetsVisible = false;
        whenModalOpens([&](QWidget* modal) {
            opened = modal->objectName();
            if (auto* labels = qobject_cast<TIndex*>(modal)) {
                accounts = labels->source() == Source::Accounts;
                assetsVisible = labels->classBox(Assets)->isVisibleTo(labels);
            }
        });
        button->click();
        QCOMPARE(opened, QStringLiteral("TIndex"));
        QVERIFY(accounts);
        QVERIFY(assetsVisible);
        QVERIFY(prompter.shown.empty());
    }
};

QTEST_MAIN(TIndexTest)
#include "tindex_test.moc"
