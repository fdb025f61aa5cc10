// The window velmora as a user meets it: its controls where the form puts
// them, their texts, fonts and colours, the keyboard, and the typical use.

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <set>

#include "frames/frame_store.h"
#include "viewer/animation_run.h"
#include "window/main_window.h"
#include "window_test_support.h"

using velmora::ClickHandlers;
using velmora::Form;
using velmora::FramePictures;
using velmora::MainWindow;
using velmora::testing::boxShowing;
using velmora::testing::framePictures;
using velmora::testing::onScreen;

namespace {

template <typename Widget = QWidget>
Widget* controlOf(const MainWindow& window, const char* name) {
    auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
    if (widget == nullptr) {
        qFatal("the window has no %s control %s", Widget::staticMetaObject.className(), name);
    }
    return widget;
}

// A window on the offscreen screen, active, with handlers that only note
// which button was pressed.
struct PressRecorder {
    QStringList pressed;
    ClickHandlers handlers() {
        return {[this](Form&) { pressed << "cmdGo"; }, [this](Form&) { pressed << "Command1"; }};
    }
};

void showActive(MainWindow& window) {
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void hasTheTwentyFourControlsAndNoOthers() {
        MainWindow window(framePictures());
        std::set<QString> names;
        for (const QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            names.insert(child->objectName());
        }
        const std::set<QString> expected{
            "Picture1", "Picture2",  "Picture3",  "Picture4", "Picture5", "Picture6",
            "Picture7", "Picture8",  "Picture9",  "Picture10", "Picture11", "Picture12",
            "Option1",  "Option2",   "Option3",   "Command1", "List1",    "cmdGo",
            "Label1",   "Label2",    "Label3",    "Label4",   "Label5",   "Label6"};
        QCOMPARE(names, expected);
    }

    void windowIsCaptionedAndSized() {
        MainWindow window(framePictures());
        QCOMPARE(window.windowTitle(), QStringLiteral("velmora"));
        QCOMPARE(window.size(), QSize(830, 734));
        QVERIFY(window.minimumSize().width() < 830);  // resizable
        const QList<QSize> iconSizes = window.windowIcon().availableSizes();
        QVERIFY(iconSizes.contains(QSize(16, 16)));
        QVERIFY(iconSizes.contains(QSize(32, 32)));
    }

    void controlsSitWhereTheFormPutsThem_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("Picture6, a display box") << "Picture6" << "QWidget" << QRect(568, 208, 217, 209);
        QTest::newRow("Picture12, the tall holder") << "Picture12" << "QWidget" << QRect(496, 616, 1, 9);
        QTest::newRow("Picture9, the lowest holder") << "Picture9" << "QWidget" << QRect(312, 640, 1, 1);
        QTest::newRow("Option2, lower than its fellows") << "Option2" << "QRadioButton" << QRect(384, 424, 73, 12);
        QTest::newRow("Option3") << "Option3" << "QRadioButton" << QRect(632, 424, 81, 17);
        QTest::newRow("Command1") << "Command1" << "QPushButton" << QRect(40, 456, 113, 73);
        QTest::newRow("List1") << "List1" << "QListWidget" << QRect(160, 456, 113, 76);
        QTest::newRow("cmdGo") << "cmdGo" << "QPushButton" << QRect(304, 160, 217, 33);
        QTest::newRow("Label5") << "Label5" << "QLabel" << QRect(40, 560, 745, 57);
        QTest::newRow("Label3") << "Label3" << "QLabel" << QRect(288, 496, 385, 33);
    }
    void controlsSitWhereTheFormPutsThem() {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QRect, geometry);
        MainWindow window(framePictures());
        QWidget* control = controlOf(window, qPrintable(name));
        QVERIFY2(control->inherits(qPrintable(kind)), control->metaObject()->className());
        QCOMPARE(control->geometry(), geometry);

        // Resizing the window moves nothing.
        window.resize(400, 300);
        QCOMPARE(control->geometry(), geometry);
    }

    void captionsAreTheFormsOwn_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Option1") << "Option1" << QStringLiteral("正面");
        QTest::newRow("Option2") << "Option2" << QStringLiteral("斜め");
        QTest::newRow("Option3") << "Option3" << QStringLiteral("真横");
        QTest::newRow("Command1") << "Command1" << QStringLiteral("回転速度を選んでクリックして下さい");
        QTest::newRow("cmdGo") << "cmdGo" << QStringLiteral("見る方向を選んでクリックして下さい");
        QTest::newRow("Label1") << "Label1" << QStringLiteral("普通翼（枚数－3）・・・ここでは，羽根にスキューが付いてない一般的な翼を対象とします。");
        QTest::newRow("Label2") << "Label2" << QStringLiteral("プロペラのアニメーション");
        QTest::newRow("Label6") << "Label6" << QStringLiteral("アニメーションの回転速度は，見易さのため実際より遅くなります。実際の舶用プロペラでは海中移動物体などで3000rpmに達するものもあり,超高速の表示は１/10程度を目安にして下さい。");
        QTest::newRow("Label3 starts empty") << "Label3" << QString();
    }
    void captionsAreTheFormsOwn() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        MainWindow window(framePictures());
        QWidget* control = controlOf(window, qPrintable(name));
        const auto* button = qobject_cast<QAbstractButton*>(control);
        const QString shown = button != nullptr ? button->text() : qobject_cast<QLabel*>(control)->text();
        QCOMPARE(shown, caption);
        QCOMPARE(control->accessibleName(), caption);
    }

    void introductionAndNoteHaveTheirLengths() {
        MainWindow window(framePictures());
        const QString introduction = controlOf<QLabel>(window, "Label4")->text();
        const QString note = controlOf<QLabel>(window, "Label5")->text();
        QCOMPARE(introduction.toStdU32String().size(), 247u);
        QCOMPARE(note.toStdU32String().size(), 221u);
        QVERIFY(note.startsWith(QStringLiteral("ＮＯＴＥ：") + QChar(0x3000)));
    }

    void controlsWithoutCaptionsAreNamedForScreenReaders_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("accessibleName");
        QTest::newRow("Picture4") << "Picture4" << QStringLiteral("正面 表示");
        QTest::newRow("Picture5") << "Picture5" << QStringLiteral("斜め 表示");
        QTest::newRow("Picture6") << "Picture6" << QStringLiteral("真横 表示");
        QTest::newRow("Picture1") << "Picture1" << QStringLiteral("正面 コマ1");
        QTest::newRow("Picture9") << "Picture9" << QStringLiteral("斜め コマ3");
        QTest::newRow("Picture11") << "Picture11" << QStringLiteral("真横 コマ2");
        QTest::newRow("List1") << "List1" << QStringLiteral("回転速度");
    }
    void controlsWithoutCaptionsAreNamedForScreenReaders() {
        QFETCH(QString, name);
        QFETCH(QString, accessibleName);
        MainWindow window(framePictures());
        QCOMPARE(controlOf(window, qPrintable(name))->accessibleName(), accessibleName);
    }

    void labelsWrapWithinTheirRectangles_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("Label1") << "Label1";
        QTest::newRow("Label4, the introduction") << "Label4";
        QTest::newRow("Label5, the note") << "Label5";
        QTest::newRow("Label6") << "Label6";
        QTest::newRow("Label3 with the longest speed note") << "Label3";
    }
    void labelsWrapWithinTheirRectangles() {
        QFETCH(QString, name);
        MainWindow window(framePictures());
        auto* label = controlOf<QLabel>(window, qPrintable(name));
        if (name == "Label3") {
            window.label("Label3").setCaption(
                "プロペラ鳴音（翼後縁からカルマン渦が発生し発生周期と翼の固有振動周期が同調するときの金属音）が発生することがある。");
        }
        QVERIFY(label->wordWrap());
        const QRect needed = label->fontMetrics().boundingRect(label->contentsRect(), Qt::TextWordWrap,
                                                                label->text());
        QVERIFY2(label->contentsRect().contains(needed),
                 qPrintable(QStringLiteral("needs %1 x %2").arg(needed.width()).arg(needed.height())));
    }

    void command1sCaptionWrapsInsideItsButton() {
        MainWindow window(framePictures());
        auto* button = controlOf<QPushButton>(window, "Command1");
        const QRect face = button->rect().adjusted(4, 4, -4, -4);
        const QRect needed = button->fontMetrics().boundingRect(face, Qt::AlignCenter | Qt::TextWordWrap,
                                                                 button->text());
        QVERIFY(needed.height() > button->fontMetrics().height());  // more than one line
        QVERIFY(face.contains(needed));

        // And it is drawn so: dark caption pixels on at least two separate rows of text.
        const QImage shown = button->grab().toImage();
        int textRows = 0;
        bool inText = false;
        for (int y = 0; y < shown.height(); ++y) {
            bool dark = false;
            for (int x = 6; x < shown.width() - 6; ++x) {
                dark = dark || qGray(shown.pixel(x, y)) < 80;
            }
            textRows += (dark && !inText) ? 1 : 0;
            inText = dark;
        }
        QVERIFY2(textRows >= 2, qPrintable(QString::number(textRows)));
    }

    void fontsAreAskedForByTheirNamesAndFound_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("found");
        const QString gothic = QStringLiteral("ＭＳ Ｐゴシック");
        QTest::newRow("cmdGo, the window's font") << "cmdGo" << gothic << 9 << true << "IPAPGothic";
        QTest::newRow("Label1, the window's font") << "Label1" << gothic << 9 << true << "IPAPGothic";
        QTest::newRow("Option3, the window's font") << "Option3" << gothic << 9 << true << "IPAPGothic";
        QTest::newRow("List1") << "List1" << gothic << 9 << false << "IPAPGothic";
        QTest::newRow("Label4") << "Label4" << gothic << 9 << false << "IPAPGothic";
        QTest::newRow("Label2, the title") << "Label2" << QStringLiteral("HGP創英角ﾎﾟｯﾌﾟ体") << 18 << false
                                           << "Reggae One";
    }
    void fontsAreAskedForByTheirNamesAndFound() {
        QFETCH(QString, name);
        QFETCH(QString, family);
        QFETCH(int, points);
        QFETCH(bool, bold);
        QFETCH(QString, found);
        MainWindow window(framePictures());
        const QFont font = controlOf(window, qPrintable(name))->font();
        QCOMPARE(font.family(), family);
        QCOMPARE(font.pointSize(), points);
        QCOMPARE(font.bold(), bold);
        QCOMPARE(QFontInfo(font).family(), found);
    }

    void coloursAreTheSystemColours_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("role");
        QTest::addColumn<QColor>("colour");
        const QColor silver(192, 192, 192);
        QTest::newRow("window background") << "" << int(QPalette::Window) << silver;
        QTest::newRow("Option2 background") << "Option2" << int(QPalette::Window) << silver;
        QTest::newRow("Label4 background") << "Label4" << int(QPalette::Window) << silver;
        QTest::newRow("Label2 text, desktop teal") << "Label2" << int(QPalette::WindowText) << QColor(0, 128, 128);
        QTest::newRow("Label3 text, highlight")
            << "Label3" << int(QPalette::WindowText) << QGuiApplication::palette().color(QPalette::Highlight);
    }
    void coloursAreTheSystemColours() {
        QFETCH(QString, name);
        QFETCH(int, role);
        QFETCH(QColor, colour);
        MainWindow window(framePictures());
        showActive(window);
        const QWidget* control = name.isEmpty() ? &window : controlOf(window, qPrintable(name));
        QCOMPARE(control->palette().color(QPalette::ColorRole(role)), colour);
        if (role == QPalette::Window) {
            // Painted so, too: the bottom-right corner holds no text.
            const QImage shown = onScreen(control);
            QCOMPARE(QColor(shown.pixel(shown.width() - 1, shown.height() - 1)), colour);
        }
    }

    // The option buttons are one group and so one stop for Tab, the first
    // in tab order while none is chosen; the arrow keys move within it.
    void tabVisitsEveryControlButTheLabelsInTabIndexOrder() {
        MainWindow window(framePictures());
        showActive(window);
        QCOMPARE(QApplication::focusWidget(), controlOf(window, "cmdGo"));
        const QStringList expected{"List1",     "Command1",  "Option1",  "Picture4", "Picture5",
                                   "Picture1",  "Picture2",  "Picture3", "Picture7", "Picture8",
                                   "Picture9",  "Picture10", "Picture11", "Picture12", "Picture6",
                                   "cmdGo"};
        QStringList visited;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);

        for (const char* label : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"}) {
            QCOMPARE(controlOf(window, label)->focusPolicy(), Qt::NoFocus);
        }
        controlOf(window, "Option2")->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), controlOf(window, "Option2"));
    }

    void enterPressesTheDefaultButton_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("pressed");
        QTest::newRow("on cmdGo") << "cmdGo" << int(Qt::Key_Return) << "cmdGo";
        QTest::newRow("on List1") << "List1" << int(Qt::Key_Return) << "cmdGo";
        QTest::newRow("on Option2") << "Option2" << int(Qt::Key_Return) << "cmdGo";
        QTest::newRow("on a display box") << "Picture5" << int(Qt::Key_Return) << "cmdGo";
        QTest::newRow("on a frame holder") << "Picture9" << int(Qt::Key_Return) << "cmdGo";
        QTest::newRow("keypad Enter on List1") << "List1" << int(Qt::Key_Enter) << "cmdGo";
        QTest::newRow("on Command1") << "Command1" << int(Qt::Key_Return) << "Command1";
        QTest::newRow("keypad Enter on Command1") << "Command1" << int(Qt::Key_Enter) << "Command1";
    }
    void enterPressesTheDefaultButton() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(QString, pressed);
        PressRecorder recorder;
        MainWindow window(framePictures(), recorder.handlers());
        showActive(window);
        QWidget* focused = controlOf(window, qPrintable(focus));
        focused->setFocus();
        QCOMPARE(QApplication::focusWidget(), focused);

        const Qt::KeyboardModifiers modifiers = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        QTest::keyClick(focused, Qt::Key(key), modifiers);
        QCOMPARE(recorder.pressed, QStringList{pressed});
        // The default frame shows on the button Enter would press.
        QCOMPARE(controlOf<QPushButton>(window, qPrintable(pressed))->isDefault(), true);
        QCOMPARE(controlOf<QPushButton>(window, pressed == "cmdGo" ? "Command1" : "cmdGo")->isDefault(), false);
    }

    void otherKeysPressNothing() {
        PressRecorder recorder;
        MainWindow window(framePictures(), recorder.handlers());
        showActive(window);
        QTest::keyClick(controlOf(window, "List1"), Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClick(controlOf(window, "Picture5"), Qt::Key_A);
        QCOMPARE(recorder.pressed, QStringList{});
    }

    void opensWithEmptyListNoChoiceAndTheFirstFrames() {
        MainWindow window(framePictures());
        showActive(window);
        QCOMPARE(controlOf<QListWidget>(window, "List1")->count(), 0);
        for (const char* option : {"Option1", "Option2", "Option3"}) {
            QVERIFY2(!controlOf<QRadioButton>(window, option)->isChecked(), option);
        }
        QCOMPARE(controlOf<QLabel>(window, "Label3")->text(), QString());

        const std::pair<const char*, const char*> firstFrames[] = {
            {"Picture4", "Picture1"}, {"Picture5", "Picture7"}, {"Picture6", "Picture10"}};
        for (const auto& [display, frame] : firstFrames) {
            const QWidget* box = controlOf(window, display);
            QCOMPARE(onScreen(box), boxShowing(*framePictures().at(frame), box->size()));
        }
    }

    void choosingWithoutPressingChangesNothing() {
        MainWindow window(framePictures());
        showActive(window);
        QTest::keyClick(controlOf(window, "cmdGo"), Qt::Key_Return);
        const QImage before = onScreen(controlOf(window, "Picture5"));

        QTest::mouseClick(controlOf(window, "Option2"), Qt::LeftButton);
        auto* list = controlOf<QListWidget>(window, "List1");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
        QTest::qWait(20);

        QVERIFY(controlOf<QRadioButton>(window, "Option2")->isChecked());
        QCOMPARE(window.listBox("List1").ListIndex(), 2);
        QCOMPARE(controlOf<QLabel>(window, "Label3")->text(), QString());
        QCOMPARE(onScreen(controlOf(window, "Picture5")), before);
    }

    // Enter fills the list, the user picks 中速 and 斜め and presses
    // Command1: Picture5 turns on screen, frame by frame, and Label3 gets
    // the note. Each pause looks at what the screen holds at that moment.
    void typicalUse() {
        QStringList shownAtPauses;
        std::vector<std::int32_t> pauses;
        MainWindow* windowSeen = nullptr;
        const ClickHandlers handlers{
            velmora::programClickHandlers().cmdGo,
            [&](Form& form) {
                velmora::command1_Click(form, [&](std::int32_t passes) {
                    pauses.push_back(passes);
                    const QImage shown = onScreen(controlOf(*windowSeen, "Picture5"));
                    QString frame = "?";
                    for (const char* holder : {"Picture7", "Picture8", "Picture9"}) {
                        if (shown == boxShowing(*framePictures().at(holder), shown.size())) frame = holder;
                    }
                    shownAtPauses << frame;
                });
            }};
        MainWindow window(framePictures(), handlers);
        windowSeen = &window;
        showActive(window);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        auto* list = controlOf<QListWidget>(window, "List1");
        QStringList items;
        for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
        QCOMPARE(items, (QStringList{"超低速", "低速", "中速", "高速", "超高速"}));

        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
        QTest::mouseClick(controlOf(window, "Option2"), Qt::LeftButton);
        QTest::mouseClick(controlOf(window, "Command1"), Qt::LeftButton);

        QStringList expected;
        for (int cycle = 0; cycle < 8; ++cycle) expected << "Picture7" << "Picture8" << "Picture9";
        QCOMPARE(shownAtPauses, expected);
        QCOMPARE(pauses, std::vector<std::int32_t>(24, 200000));
        QCOMPARE(controlOf<QLabel>(window, "Label3")->text(),
                 QStringLiteral("プロペラ鳴音（翼後縁からカルマン渦が発生し発生周期と翼の固有振動周期が同調するときの金属音）が発生することがある。"));
        const QWidget* display = controlOf(window, "Picture5");
        QCOMPARE(onScreen(display), boxShowing(*framePictures().at("Picture9"), display->size()));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
