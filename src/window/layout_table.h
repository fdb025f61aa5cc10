#pragma once

// The window velmora as it was drawn: its 24 controls in creation order with
// their places in twips, and beside them each control's caption, font and
// colours. The window is built by reading these tables.

#include <array>
#include <string_view>

#include "window/font_substitutions.h"
#include "window/system_colours.h"

namespace velmora {

// Positions and sizes are in twips, 15 to a pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) { return twips / kTwipsPerPixel; }

enum class ControlKind { PictureBox, OptionButton, CommandButton, ListBox, Label };

struct ControlLayout {
    std::string_view name;
    ControlKind kind;
    int left;    // twips, within the client area
    int top;
    int width;
    int height;
    int tabIndex;  // place in the tab order; labels never take the focus
};

inline constexpr std::array<ControlLayout, 24> kControlLayout{{
    {"Picture6", ControlKind::PictureBox, 8520, 3120, 3255, 3135, 23},
    {"Picture12", ControlKind::PictureBox, 7440, 9240, 15, 135, 22},
    {"Picture11", ControlKind::PictureBox, 6480, 9360, 15, 135, 21},
    {"Picture10", ControlKind::PictureBox, 5640, 9360, 15, 135, 20},
    {"Picture9", ControlKind::PictureBox, 4680, 9600, 15, 15, 19},
    {"Picture8", ControlKind::PictureBox, 3720, 9480, 15, 15, 18},
    {"Picture7", ControlKind::PictureBox, 2760, 9480, 15, 15, 17},
    {"Picture3", ControlKind::PictureBox, 1680, 9480, 15, 15, 16},
    {"Picture2", ControlKind::PictureBox, 1080, 9480, 15, 15, 15},
    {"Picture1", ControlKind::PictureBox, 480, 9480, 15, 15, 14},
    {"Option3", ControlKind::OptionButton, 9480, 6360, 1215, 255, 8},
    {"Picture5", ControlKind::PictureBox, 4560, 3120, 3255, 3135, 7},
    {"Option2", ControlKind::OptionButton, 5760, 6360, 1095, 180, 6},
    {"Picture4", ControlKind::PictureBox, 600, 3120, 3255, 3135, 5},
    {"Option1", ControlKind::OptionButton, 1800, 6360, 1335, 255, 4},
    {"Command1", ControlKind::CommandButton, 600, 6840, 1695, 1095, 3},
    {"List1", ControlKind::ListBox, 2400, 6840, 1695, 1140, 1},
    {"cmdGo", ControlKind::CommandButton, 4560, 2400, 3255, 495, 0},
    {"Label6", ControlKind::Label, 4320, 6840, 7335, 495, 13},
    {"Label5", ControlKind::Label, 600, 8400, 11175, 855, 12},
    {"Label4", ControlKind::Label, 600, 720, 11175, 855, 11},
    {"Label2", ControlKind::Label, 4320, 120, 4575, 375, 10},
    {"Label1", ControlKind::Label, 2400, 1920, 7575, 255, 9},
    {"Label3", ControlKind::Label, 4320, 7440, 5775, 495, 2},
}};

struct ControlFont {
    std::string_view family;
    int points;
    bool bold;
};

inline constexpr ControlFont kWindowFont{kGothicFamily, 9, true};
inline constexpr ControlFont kRegularFont{kGothicFamily, 9, false};
inline constexpr ControlFont kTitleFont{kPopFamily, 18, false};

struct ControlSettings {
    std::string_view name;
    std::string_view caption;
    std::string_view accessibleName;  // for controls without a caption
    const ControlFont* font;             // nullptr: the window's font
    int foreColour;                   // system colour index, or kNoColour
    int backColour;
};

// In the order of kControlLayout.
inline constexpr std::array<ControlSettings, 24> kControlSettings{{
    {"Picture6", "", "真横 表示", &kRegularFont, kNoColour, kNoColour},
    {"Picture12", "", "真横 コマ3", nullptr, kNoColour, kNoColour},
    {"Picture11", "", "真横 コマ2", nullptr, kNoColour, kNoColour},
    {"Picture10", "", "真横 コマ1", nullptr, kNoColour, kNoColour},
    {"Picture9", "", "斜め コマ3", nullptr, kNoColour, kNoColour},
    {"Picture8", "", "斜め コマ2", nullptr, kNoColour, kNoColour},
    {"Picture7", "", "斜め コマ1", nullptr, kNoColour, kNoColour},
    {"Picture3", "", "正面 コマ3", nullptr, kNoColour, kNoColour},
    {"Picture2", "", "正面 コマ2", nullptr, kNoColour, kNoColour},
    {"Picture1", "", "正面 コマ1", nullptr, kNoColour, kNoColour},
    {"Option3", "真横", "", nullptr, kNoColour, kInactiveCaptionText},
    {"Picture5", "", "斜め 表示", &kRegularFont, kNoColour, kNoColour},
    {"Option2", "斜め", "", nullptr, kNoColour, kInactiveCaptionText},
    {"Picture4", "", "正面 表示", &kRegularFont, kNoColour, kNoColour},
    {"Option1", "正面", "", nullptr, kNoColour, kInactiveCaptionText},
    {"Command1", "回転速度を選んでクリックして下さい", "", nullptr, kNoColour, kNoColour},
    {"List1", "", "回転速度", &kRegularFont, kNoColour, kNoColour},
    {"cmdGo", "見る方向を選んでクリックして下さい", "", nullptr, kNoColour, kNoColour},
    {"Label6",
     "アニメーションの回転速度は，見易さのため実際より遅くなります。"
     "実際の舶用プロペラでは海中移動物体などで3000rpmに達するものもあり,超高速の表示は１/10程度を目安にして下さい。",
     "", &kRegularFont, kNoColour, kInactiveCaptionText},
    {"Label5",
     "ＮＯＴＥ：　プロペラの画像は次のようにして作成しました。"
     "まず２次元ＣＡＤで半径に垂直な翼断面を作図し，３次元ＣＡＤで空間座標の決まった位置に翼を取り付けて立体を完成させました。"
     "次に，正面，斜め，真横の各方向から，プロペラ軸のまわりに等角度ずつ回転させた図を表示してＰＤＦファイルに変換して保存し，photoshopで画像を修正してＢＭＰファイルに変換して保存しました。"
     "最後に，このＢＭＰ画像をピクチャーデータとしてプログラムに取り込みました。",
     "", &kRegularFont, kNoColour, kInactiveCaptionText},
    {"Label4",
     "プロペラの歴史は古く，小型で良い推力が得られることが分かってからは，外輪船の櫂のような外輪に代わって使われるようになり，その後さまざまな形状のプロペラが開発されてきました。"
     "現在ではコンピューターのおかげで，振動や騒音の少ないプロペラや，キャビテーションの発生しないプロペラも作れるようになりました。"
     "推進効率を高めた二重反転プロペラや，騒音・振動の少ないハイスキュープロペラなどがその例です。"
     "ここでは，それらの中で最もオーソドックスな普通翼プロペラを対象に，３次元のアニメーションを作成しました。",
     "", &kRegularFont, kNoColour, kInactiveCaptionText},
    {"Label2", "プロペラのアニメーション", "", &kTitleFont, kDesktopBackground, kInactiveCaptionText},
    {"Label1",
     "普通翼（枚数－3）・・・ここでは，羽根にスキューが付いてない一般的な翼を対象とします。",
     "", nullptr, kNoColour, kInactiveCaptionText},
    {"Label3", "", "", &kRegularFont, kHighlight, kInactiveCaptionText},
}};

constexpr bool settingsFollowLayout() {
    for (std::size_t i = 0; i < kControlLayout.size(); ++i) {
        if (kControlSettings[i].name != kControlLayout[i].name) {
            return false;
        }
    }
    return true;
}
static_assert(settingsFollowLayout(), "kControlSettings must list the controls of kControlLayout in its order");

struct WindowSettings {
    std::string_view caption;
    int clientWidth;  // twips
    int clientHeight;
    const ControlFont* font;
    int backColour;
};

inline constexpr WindowSettings kWindowSettings{"velmora", 12450, 11010, &kWindowFont, kInactiveCaptionText};

}  // namespace velmora
