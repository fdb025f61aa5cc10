// What counts as a good run when a display box is watched from outside: the
// judge must pass a clean run, and fail each way a run can go wrong.

#include <QTest>

#include "frame_run_judge.h"

using velmora::e2e::judgeRun;
using velmora::e2e::RunRules;
using velmora::e2e::SeenFrame;

Q_DECLARE_METATYPE(std::vector<SeenFrame>)

namespace {

constexpr double kPeriod = 177.6;

// The still frame, then `frames` as they came, one period apart from the
// first change on (which comes a period after the click).
std::vector<SeenFrame> seenAt(double period, const std::vector<int>& frames) {
    std::vector<SeenFrame> seen{{0.0, 1}};
    double ms = 40.0 - period;
    for (const int frame : frames) {
        ms += period * ((frame - seen.back().frame + 3) % 3);
        seen.push_back({ms, frame});
    }
    return seen;
}

// The 23 visible changes of a run: 2, 3, 1, 2, 3, ..., 3.
std::vector<int> fullRun() {
    std::vector<int> frames;
    for (int step = 1; step <= 23; ++step) frames.push_back(1 + step % 3);
    return frames;
}

std::vector<int> without(std::vector<int> frames, std::vector<std::size_t> positions) {
    for (auto at = positions.rbegin(); at != positions.rend(); ++at)
        frames.erase(frames.begin() + static_cast<std::ptrdiff_t>(*at));
    return frames;
}

}  // namespace

class TestFrameRunJudge : public QObject {
    Q_OBJECT

private slots:
    void judgesARun_data() {
        QTest::addColumn<std::vector<SeenFrame>>("seen");
        QTest::addColumn<bool>("passes");
        QTest::newRow("every frame at its pace") << seenAt(kPeriod, fullRun()) << true;
        QTest::newRow("4% slow") << seenAt(kPeriod * 1.04, fullRun()) << true;
        QTest::newRow("three frames missed between grabs")
            << seenAt(kPeriod, without(fullRun(), {3, 9, 15})) << true;
        QTest::newRow("four frames missed") << seenAt(kPeriod, without(fullRun(), {3, 9, 15, 19}))
                                            << false;
        QTest::newRow("6% fast") << seenAt(kPeriod * 0.94, fullRun()) << false;
        QTest::newRow("turning backwards")
            << seenAt(kPeriod, {3, 2, 1, 3, 2, 1, 3, 2, 1, 3, 2, 1, 3, 2, 1, 3, 2, 1, 3, 2, 1, 3})
            << false;
        QTest::newRow("ends on frame 2") << seenAt(kPeriod, without(fullRun(), {22})) << false;
        QTest::newRow("only two frames") << seenAt(kPeriod, {2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2,
                                                             1, 2, 1, 2, 1, 2, 1, 2, 1, 2})
                                         << false;
        std::vector<int> longer = fullRun();
        longer.insert(longer.end(), {1, 2, 3});
        QTest::newRow("27 frames shown") << seenAt(kPeriod, longer) << false;
        QTest::newRow("never moved") << seenAt(kPeriod, {}) << false;
    }
    void judgesARun() {
        QFETCH(std::vector<SeenFrame>, seen);
        QFETCH(bool, passes);
        RunRules rules;
        rules.framePeriodMs = kPeriod;
        const auto verdict = judgeRun(seen, rules);
        QCOMPARE(verdict.passed(), passes);
    }

    void aRunMustStartFromTheStillFrame() {
        std::vector<SeenFrame> seen = seenAt(kPeriod, fullRun());
        seen.front().frame = 2;
        QVERIFY(!judgeRun(seen, RunRules{}).passed());
    }
};

QTEST_MAIN(TestFrameRunJudge)
#include "tst_frame_run_judge.moc"
