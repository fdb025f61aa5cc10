// A failed control operation, or any failure in a handler, is shown in a
// modal dialog and on standard error, and ends the program with status 1;
// a failure while starting does the same before the window shows.

#include <QTest>
#include <QTimer>
#include <stdexcept>
#include <vector>

#include "frames/bmp_reader.h"
#include "frames/frame_store.h"
#include "window/main_window.h"
#include "window/start_up.h"
#include "window_test_support.h"

using velmora::ClickHandler;
using velmora::ClickHandlers;
using velmora::Form;
using velmora::FramePictures;
using velmora::MainWindow;
using velmora::testing::CerrCapture;
using velmora::testing::DialogReader;
using velmora::testing::framePictures;

Q_DECLARE_METATYPE(ClickHandler)

namespace {

// Runs the event loop as main does, with `action` as its first event, and
// gives the status it ends with; a loop that does not end is a failure.
int exitStatusOf(const std::function<void()>& action) {
    QTimer::singleShot(0, action);
    QTimer::singleShot(10000, [] { QCoreApplication::exit(-99); });
    return QApplication::exec();
}

}  // namespace

class TestRuntimeErrors : public QObject {
    Q_OBJECT

private slots:
    void aFailingHandlerIsReportedAndEndsTheProgram_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<ClickHandler>("handler");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("cause");
        QTest::newRow("an item List1 does not have")
            << "cmdGo" << ClickHandler([](Form& form) { form.listBox("List1").List(5); }) << "List1"
            << "List" << "index 5";
        QTest::newRow("a control the window does not have")
            << "Command1" << ClickHandler([](Form& form) { form.pictureBox("Picture13"); }) << "Picture13"
            << "pictureBox" << "no control";
        QTest::newRow("a control of another kind")
            << "Command1" << ClickHandler([](Form& form) { form.label("List1"); }) << "List1" << "label"
            << "not a label";
        QTest::newRow("a failure that is no control's")
            << "cmdGo" << ClickHandler([](Form&) { throw std::length_error("too long"); }) << "cmdGo"
            << "Click" << "too long";
        QTest::newRow("after part of a run")
            << "Command1" << ClickHandler([](Form& form) {
                   form.pictureBox("Picture5").setPicture(form.pictureBox("Picture8").Picture());
                   form.optionButton("Option4");
               })
            << "Option4" << "optionButton" << "no control";
    }
    void aFailingHandlerIsReportedAndEndsTheProgram() {
        QFETCH(QString, button);
        QFETCH(ClickHandler, handler);
        QFETCH(QString, control);
        QFETCH(QString, operation);
        QFETCH(QString, cause);
        const ClickHandlers handlers{button == "cmdGo" ? handler : ClickHandler([](Form&) {}),
                                     button == "Command1" ? handler : ClickHandler([](Form&) {})};
        MainWindow window(framePictures(), handlers);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        DialogReader dialog;
        CerrCapture cerr;
        const int status = exitStatusOf([&] {
            QTest::mouseClick(window.findChild<QWidget*>(button), Qt::LeftButton);
        });

        QCOMPARE(status, 1);
        QVERIFY(dialog.seen);
        QCOMPARE(dialog.title, QStringLiteral("velmora"));
        QCOMPARE(dialog.text, QStringLiteral("実行時エラー"));
        QVERIFY2(dialog.details.contains(QStringLiteral("コントロール：") + control), qPrintable(dialog.details));
        QVERIFY2(dialog.details.contains(QStringLiteral("操作：") + operation), qPrintable(dialog.details));
        QVERIFY2(dialog.details.contains(cause), qPrintable(dialog.details));
        const QString written = QString::fromStdString(cerr.text());
        QVERIFY2(written.startsWith(QStringLiteral("velmora: 実行時エラー: %1.%2: ").arg(control, operation)),
                 qPrintable(written));
        QVERIFY2(written.contains(cause) && written.count('\n') == 1, qPrintable(written));
    }

    void aFrameThatDoesNotDecodeEndsTheProgramBeforeTheWindowShows() {
        DialogReader dialog;
        CerrCapture cerr;
        const int status = velmora::runVelmora([]() -> FramePictures {
            const std::vector<std::uint8_t> notABitmap{'B', 'X', 0, 0};
            return {{"Picture7", std::make_shared<const velmora::Picture>(velmora::decodeBmp(notABitmap))}};
        });
        QCOMPARE(status, 1);
        QVERIFY(dialog.seen);
        QCOMPARE(dialog.title, QStringLiteral("velmora"));
        QCOMPARE(dialog.text, QStringLiteral("実行時エラー"));
        QVERIFY(!dialog.windowVisibleMeanwhile);
        QVERIFY2(QString::fromStdString(cerr.text()).startsWith(QStringLiteral("velmora: 実行時エラー: ")),
                 cerr.text().c_str());
    }

    void closingTheWindowEndsTheProgramWithoutError() {
        QTimer closer;
        connect(&closer, &QTimer::timeout, [] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window->isVisible()) window->close();
            }
        });
        closer.start(50);
        QCOMPARE(velmora::runVelmora(velmora::loadFramePictures), 0);
    }
};

QTEST_MAIN(TestRuntimeErrors)
#include "tst_runtime_errors.moc"
