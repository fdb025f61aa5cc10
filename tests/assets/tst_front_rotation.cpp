// The front view turns clockwise: frame 2 is frame 1 turned on screen by 36
// degrees about the hub, and frame 3 is frame 1 turned by 72.

#include <QPointF>
#include <QTest>
#include <QtMath>
#include <algorithm>

#include "frame_file.h"

namespace {

// The propeller's three-fold drawing has its centroid on the hub.
QPointF centroid(const FrameFile& frame) {
    double columns = 0, rows = 0;
    int count = 0;
    for (int row = 0; row < frame.height(); ++row)
        for (int column = 0; column < frame.width(); ++column)
            if (frame.black(column, row)) {
                columns += column;
                rows += row;
                ++count;
            }
    return count ? QPointF(columns / count, rows / count) : QPointF(-1, -1);
}

// The share of `from`'s black pixels that, turned clockwise on screen about
// `hub`, land within a pixel of a black pixel of `to`.
double overlapTurned(const FrameFile& from, const FrameFile& to, QPointF hub, double degrees) {
    double c = std::cos(qDegreesToRadians(degrees));
    double s = std::sin(qDegreesToRadians(degrees));
    int matched = 0, count = 0;
    for (int row = 0; row < from.height(); ++row)
        for (int column = 0; column < from.width(); ++column) {
            if (!from.black(column, row)) continue;
            double dx = column - hub.x();
            double dy = row - hub.y();
            // Rows grow downwards, so this turns clockwise as seen.
            int x = qRound(hub.x() + dx * c - dy * s);
            int y = qRound(hub.y() + dx * s + dy * c);
            bool near = false;
            for (int j = -1; j <= 1 && !near; ++j)
                for (int i = -1; i <= 1 && !near; ++i) near = to.black(x + i, y + j);
            matched += near;
            ++count;
        }
    return count ? double(matched) / count : 0;
}

}  // namespace

class TestFrontRotation : public QObject {
    Q_OBJECT

private slots:
    void hubSitsWhereTheFrontViewPlacesIt() {
        QPointF hub = centroid(FrameFile::load("Picture1"));
        QVERIFY2(std::abs(hub.x() - 110) <= 1.5 && std::abs(hub.y() - 102) <= 1.5,
                 qPrintable(QString("hub at (%1, %2)").arg(hub.x()).arg(hub.y())));
    }

    void frameIsTheFirstTurnedClockwise_data() {
        QTest::addColumn<QString>("pictureBox");
        QTest::addColumn<double>("degrees");
        QTest::newRow("frame 2") << "Picture2" << 36.0;
        QTest::newRow("frame 3") << "Picture3" << 72.0;
    }
    void frameIsTheFirstTurnedClockwise() {
        QFETCH(QString, pictureBox);
        QFETCH(double, degrees);
        FrameFile first = FrameFile::load("Picture1");
        FrameFile frame = FrameFile::load(pictureBox);
        QVERIFY(!first.bytes.isEmpty() && !frame.bytes.isEmpty());
        QPointF hub = centroid(first);

        double clockwise = overlapTurned(first, frame, hub, degrees);
        double counterClockwise = overlapTurned(first, frame, hub, -degrees);
        double offByFew = std::max(overlapTurned(first, frame, hub, degrees - 6),
                                   overlapTurned(first, frame, hub, degrees + 6));
        QString figures = QString("turned clockwise %1, counter-clockwise %2, 6 degrees off %3")
                              .arg(clockwise, 0, 'f', 3)
                              .arg(counterClockwise, 0, 'f', 3)
                              .arg(offByFew, 0, 'f', 3);
        QVERIFY2(clockwise >= 0.95, qPrintable(figures));
        QVERIFY2(counterClockwise <= 0.6 && clockwise - counterClockwise >= 0.3,
                 qPrintable(figures));
        QVERIFY2(offByFew <= clockwise - 0.15, qPrintable(figures));
    }
};

QTEST_MAIN(TestFrontRotation)
#include "tst_front_rotation.moc"
