// Filling List1 with the speeds, and turning its selection into a delay
// factor and a note in Label3.

#include <QTest>

#include "recording_form.h"
#include "viewer/speed_table.h"

using velmora::cmdGo_Click;
using velmora::kSpeedTable;
using velmora::resolveSelectedSpeed;
using velmora::testing::RecordingForm;

namespace {
const std::vector<std::string> kNames{"超低速", "低速", "中速", "高速", "超高速"};
const char kEarlierNote[] = "an earlier note";
}  // namespace

class TestSpeedList : public QObject {
    Q_OBJECT

private slots:
    void fillsTheFiveNamesInOrderWithNoneSelected_data() {
        QTest::addColumn<int>("presses");
        QTest::addColumn<int>("selectedBefore");
        QTest::newRow("one press on an empty list") << 1 << -1;
        QTest::newRow("three presses") << 3 << -1;
        QTest::newRow("a press after a speed was chosen") << 2 << 2;
    }
    void fillsTheFiveNamesInOrderWithNoneSelected() {
        QFETCH(int, presses);
        QFETCH(int, selectedBefore);
        RecordingForm form;
        cmdGo_Click(form);
        form.select(selectedBefore);
        for (int i = 1; i < presses; ++i) cmdGo_Click(form);

        QCOMPARE(form.items(), kNames);
        QCOMPARE(form.selected(), -1);
        QCOMPARE(form.log.back(), "List1.AddItem");
        QCOMPARE(form.log[form.log.size() - 6], "List1.Clear");
    }

    void resolvesTheSelection_data() {
        QTest::addColumn<bool>("filled");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("delayFactor");  // -1: none
        QTest::addColumn<QString>("label3");

        const QString cavitation = QStringLiteral("騒音大。翼面，翼後縁からプロペラキャビテーションの発生することがある。");
        QTest::newRow("超低速") << true << 0 << 4000 << QStringLiteral("騒音ほとんど無し，振動小");
        QTest::newRow("低速") << true << 1 << 3000 << QStringLiteral("騒音小，振動比較的小");
        QTest::newRow("中速") << true << 2 << 2000
                            << QStringLiteral("プロペラ鳴音（翼後縁からカルマン渦が発生し発生周期と翼の固有振動周期が同調するときの金属音）が発生することがある。");
        QTest::newRow("高速") << true << 3 << 1000 << cavitation;
        QTest::newRow("超高速 shares 高速's note") << true << 4 << 500 << cavitation;
        QTest::newRow("filled, nothing selected") << true << -1 << -1 << QString(kEarlierNote);
        QTest::newRow("never filled") << false << -1 << -1 << QString(kEarlierNote);
    }
    void resolvesTheSelection() {
        QFETCH(bool, filled);
        QFETCH(int, index);
        QFETCH(int, delayFactor);
        QFETCH(QString, label3);
        RecordingForm form;
        form.setLabel3(kEarlierNote);
        if (filled) cmdGo_Click(form);
        form.select(index);

        const std::optional<std::int16_t> resolved = resolveSelectedSpeed(form);

        QCOMPARE(resolved.value_or(-1), delayFactor);
        QCOMPARE(QString::fromStdString(*form.label3()), label3);
        if (index == -1) {
            QCOMPARE(form.log.back(), "List1.ListIndex");  // List is never read
        }
    }

    void comparesTextsExactly_data() {
        QTest::addColumn<QString>("item");
        QTest::newRow("trailing space") << QStringLiteral("中速 ");
        QTest::newRow("half-width katakana") << QStringLiteral("ﾁｭｳｿｸ");
        QTest::newRow("empty") << QString();
    }
    void comparesTextsExactly() {
        QFETCH(QString, item);
        RecordingForm form;
        form.setLabel3(kEarlierNote);
        form.addRawItem(item.toStdString());
        form.select(0);

        QVERIFY(!resolveSelectedSpeed(form).has_value());
        QCOMPARE(*form.label3(), kEarlierNote);
    }

    void refillingAfterAChoiceForgetsItButKeepsTheNote() {
        RecordingForm form;
        cmdGo_Click(form);
        form.select(2);
        QCOMPARE(resolveSelectedSpeed(form), std::optional<std::int16_t>(2000));
        cmdGo_Click(form);

        QVERIFY(!resolveSelectedSpeed(form).has_value());
        QCOMPARE(*form.label3(), kSpeedTable[2].description);
    }
};

QTEST_APPLESS_MAIN(TestSpeedList)
#include "tst_speed_list.moc"
