// command1_Click: the speed first, then the chosen view, then 8 cycles of
// the view's three frames on its display box with a pause after each.

#include <QTest>

#include "recording_form.h"
#include "viewer/animation_run.h"
#include "viewer/speed_table.h"

using velmora::cmdGo_Click;
using velmora::command1_Click;
using velmora::ControlError;
using velmora::PictureHandle;
using velmora::testing::RecordingForm;

namespace {

const std::vector<std::string> kBoxes{"Picture1", "Picture2",  "Picture3",  "Picture4",
                                      "Picture5", "Picture6",  "Picture7",  "Picture8",
                                      "Picture9", "Picture10", "Picture11", "Picture12"};

void click(RecordingForm& form) {
    command1_Click(form, [&form](std::int32_t passes) { form.pause(passes); });
}

std::vector<std::string> pausesIn(const std::vector<std::string>& log) {
    std::vector<std::string> pauses;
    for (const std::string& entry : log) {
        if (entry.starts_with("pause ")) pauses.push_back(entry);
    }
    return pauses;
}

// What a run on `display` must have assigned: its holders' own picture
// objects, 1, 2, 3, eight times over.
std::vector<PictureHandle> expectedRun(const RecordingForm& form, const QStringList& holders) {
    std::vector<PictureHandle> run;
    for (int cycle = 0; cycle < 8; ++cycle) {
        for (const QString& holder : holders) run.push_back(form.picture(holder.toStdString()));
    }
    return run;
}

}  // namespace

class TestAnimationRun : public QObject {
    Q_OBJECT

private slots:
    void turnsTheChosenViewOnItsOwnBox_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("speed");  // row in List1, -1 for none
        QTest::addColumn<QString>("display");
        QTest::addColumn<QStringList>("holders");
        QTest::addColumn<int>("passes");

        const QStringList front{"Picture1", "Picture2", "Picture3"};
        const QStringList oblique{"Picture7", "Picture8", "Picture9"};
        const QStringList side{"Picture10", "Picture11", "Picture12"};
        QTest::newRow("front at 中速") << "Option1" << 2 << "Picture4" << front << 200000;
        QTest::newRow("oblique at 超低速") << "Option2" << 0 << "Picture5" << oblique << 400000;
        QTest::newRow("oblique at 低速") << "Option2" << 1 << "Picture5" << oblique << 300000;
        QTest::newRow("side at 高速") << "Option3" << 3 << "Picture6" << side << 100000;
        QTest::newRow("side at 超高速") << "Option3" << 4 << "Picture6" << side << 50000;
        QTest::newRow("front, no speed") << "Option1" << -1 << "Picture4" << front << 0;
    }
    void turnsTheChosenViewOnItsOwnBox() {
        QFETCH(QString, option);
        QFETCH(int, speed);
        QFETCH(QString, display);
        QFETCH(QStringList, holders);
        QFETCH(int, passes);
        RecordingForm form;
        cmdGo_Click(form);
        form.select(speed);
        form.choose(option.toStdString());
        form.log.clear();

        click(form);

        QCOMPARE(form.assigned(display.toStdString()), expectedRun(form, holders));
        QCOMPARE(form.picture(display.toStdString()), form.picture(holders[2].toStdString()));
        for (const std::string& box : kBoxes) {
            if (box != display.toStdString()) QVERIFY2(form.assigned(box).empty(), box.c_str());
        }
        // Every frame is followed by its pause, the last one included.
        const std::string pause = "pause " + std::to_string(passes);
        QCOMPARE(pausesIn(form.log), std::vector<std::string>(24, pause));
        QCOMPARE(form.log.back(), pause);
        const auto firstAssignment = std::find(form.log.begin(), form.log.end(),
                                               display.toStdString() + ".setPicture");
        QCOMPARE(*(firstAssignment + 1), pause);
    }

    void aSpeedWithoutAViewOnlyWritesTheNote() {
        RecordingForm form;
        cmdGo_Click(form);
        form.select(2);
        form.log.clear();

        click(form);

        QCOMPARE(form.log, (std::vector<std::string>{"List1.ListIndex", "List1.List",
                                                     "Label3.setCaption", "Option1.Value",
                                                     "Option2.Value", "Option3.Value"}));
        QCOMPARE(*form.label3(), velmora::kSpeedTable[2].description);
    }

    void neitherChosenChangesNothing() {
        RecordingForm form;
        click(form);
        QVERIFY(!form.label3().has_value());
        for (const std::string& box : kBoxes) QVERIFY(form.assigned(box).empty());
    }

    void aSecondRunStartsAgainAtTheFirstFrame() {
        RecordingForm form;
        cmdGo_Click(form);
        form.select(4);
        form.choose("Option2");
        click(form);
        click(form);

        const QStringList oblique{"Picture7", "Picture8", "Picture9"};
        std::vector<PictureHandle> twoRuns = expectedRun(form, oblique);
        const std::vector<PictureHandle> second = twoRuns;
        twoRuns.insert(twoRuns.end(), second.begin(), second.end());
        QCOMPARE(form.assigned("Picture5"), twoRuns);
    }

    void aFailedOperationStopsTheHandlerAndNamesItself_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("afterCalls");
        QTest::addColumn<QString>("lastDone");  // the operation before the failed one
        QTest::addColumn<int>("framesShown");
        QTest::newRow("reading the selection") << "List1.ListIndex" << 0 << "" << 0;
        QTest::newRow("reading the item") << "List1.List" << 0 << "List1.ListIndex" << 0;
        QTest::newRow("writing the note") << "Label3.setCaption" << 0 << "List1.List" << 0;
        QTest::newRow("testing the second option") << "Option2.Value" << 0 << "Option1.Value" << 0;
        QTest::newRow("reading a frame mid-run") << "Picture8.Picture" << 4 << "pause 300000" << 13;
        QTest::newRow("showing the last frame") << "Picture5.setPicture" << 23 << "Picture9.Picture"
                                                << 23;
    }
    void aFailedOperationStopsTheHandlerAndNamesItself() {
        QFETCH(QString, operation);
        QFETCH(int, afterCalls);
        QFETCH(QString, lastDone);
        QFETCH(int, framesShown);
        RecordingForm form;
        cmdGo_Click(form);
        form.select(1);
        form.choose("Option2");
        form.failOn(operation.toStdString(), afterCalls);
        form.log.clear();

        try {
            click(form);
            QFAIL("the failure did not reach the caller");
        } catch (const ControlError& error) {
            QCOMPARE(QString::fromStdString(error.control() + "." + error.operation()), operation);
            QVERIFY(QString(error.what()).startsWith(operation + ": "));
        }
        QCOMPARE(QString::fromStdString(form.log.empty() ? "" : form.log.back()), lastDone);
        QCOMPARE(form.assigned("Picture5").size(), std::size_t(framesShown));
    }
};

QTEST_APPLESS_MAIN(TestAnimationRun)
#include "tst_animation_run.moc"
