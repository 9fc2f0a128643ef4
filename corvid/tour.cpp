#include "corvid/tour.h"

#include <array>

#include "resources/window_contract.h"

namespace varuno::corvid {
namespace {

constexpr int kGreetingButtons[] = {kButtonOk, kButtonCancel};
constexpr int kStepButtons[] = {kButtonPrevious, kButtonNext, kButtonQuit};
constexpr int kReplayButtons[] = {kButtonOk, kButtonQuit};
constexpr int kFarewellButtons[] = {kButtonOk};
constexpr int kExitButtons[] = {kButtonYes, kButtonNo};

// Controls of varuno's main window that the labels circle.
constexpr int kKindButton = IDC_BTN_KIND, kStatusBar = IDC_STATUS, kFrameA = IDC_FRAME_A, kFrameB = IDC_FRAME_B,
              kListBefore = IDC_LIST_A_BEFORE, kListAfter = IDC_LIST_A_AFTER, kInputA = IDC_INPUT_A,
              kOutputA = IDC_OUTPUT_A, kZoomView = IDC_ZOOM, kCopyButton = IDC_COPY, kHelpButton = IDC_BTN_HELP;

constexpr PointerLabel kStep2Labels[] = {{"▼単位種選択ボタン", kKindButton}};
constexpr PointerLabel kStep3Labels[] = {{"▼ココ", kFixedTarget}};
constexpr PointerLabel kStatusLabels[] = {{"▼ステータスバー", kStatusBar}};
constexpr PointerLabel kStep5Labels[] = {{"▼Aコート", kFrameA}, {"▼Bコート", kFrameB}};
constexpr PointerLabel kStep6Labels[] = {{"▼換算『前』単位リスト", kListBefore}};
constexpr PointerLabel kStep7Labels[] = {{"▼換算『後』単位リスト", kListAfter}};
constexpr PointerLabel kStep9Labels[] = {{"▼換算前数値『入力』欄", kInputA}, {"▼換算後数値『出力』欄", kOutputA}};
constexpr PointerLabel kStep10Labels[] = {{"▼拡大ビュー", kZoomView}, {"▼コピーボタン", kCopyButton}};
constexpr PointerLabel kFarewellLabels[] = {{"▼ヘルプボタン", kHelpButton}};

constexpr std::string_view kStepTexts[11] = {
    "＞使用方法のご案内を始めさせていただきます。\n"
    "\n"
    "＞私が未熟なせいで予想外の事が起きてしまうと、表示が変になってしまうことがありますので、説明どおりに操作していただ"
    "ければ幸いです。《1/11》",

    "＞まず、『単位種選択ボタン』をクリックしてください。\n"
    "\n"
    "＞『単位種』とは、単位の種類のことです。例えば、面積、圧力などがそうです。《2/11》",

    "＞次に、点滅中のコンボボックスから単位種を選択します。\n"
    "\n"
    "＞ここでは上から4つ目の『質量』を選択してみましょう。\n"
    "\n"
    "＞選択したら、『OK』を押してください。《3/11》",

    "＞選択された単位種が『ステータスバー』に表示されます。\n"
    "\n"
    "＞『ステータスバー』では、単位に関する情報がスクロール表示されます。速度は『設定』で調節可能です。また、クリックす"
    "ると『ステータスバー』の内容が一覧できます。《4/11》",

    "＞『Varuno』では、換算フォームが２つありますので、１つの換算結果を見ながらさらに別の換算を行うことが可能です。\n"
    "\n"
    "＞左の赤い領域を『Aコート』、右の青い領域を『Bコート』と呼びます。《5/11》",

    "＞ここでは『Aコート』で換算してみます。まず、『換算前単位リスト』から単位を選択します。\n"
    "\n"
    "＞『キログラム』を換算してみましょう。上から９つめに『kg』とありますので、選択してください。《6/11》",

    "＞次に、『換算後単位リスト』からどの単位に換算するかを選択します。\n"
    "\n"
    "＞『グラム』に換算して見ましょう。上から６つめにありますね。\n"
    "\n"
    "＞Point：リストから選択せずに、キーボードの↓↑キーを使うと、『ステータスバー』の内容がリアルタイムに変更されます。"
    "《7/11》",

    "＞単位記号を選択すると、その単位記号の日本語表記が下の『ステータスバー』に表示されます。\n"
    "\n"
    "＞矢印の前が換算前の単位、後が換算後の単位になっています。読み方が紛らわしいものは、平仮名で表記することもあります"
    "。《8/11》",

    "＞次は『換算前数値入力欄』に換算前の数値を入力します。\n"
    "\n"
    "＞ここでは『１』と入力してみましょう。\n"
    "\n"
    "＞そうしますと、換算結果が出力されます。\n"
    "\n"
    "＞『1kg＝1000g』となりました。《9/11》",

    "＞同じ内容が『拡大ビュー』に表示されます。小数点以下の桁数が長い場合はここで一覧可能です。\n"
    "\n"
    "＞また、『コピーボタン』を押せば換算結果をコピーすることが可能です。《10/11》",

    "＞以上で簡単な使用方法のご案内を終了します。最後までお付き合いくださいまして、ありがとうございました。\n"
    "\n"
    "＞詳細はヘルプファイルに記載されていますので、そちらも参照して下さいね。\n"
    "\n"
    "＞わたしの改良版を只今製作中です。完成したらホームページにアップしますので、ダウンロードしてくれるとうれしいです☆"
    "《11/11》",
};

constexpr std::string_view kReplayText =
    "＞案内をもう一度ご覧になりたい場合は『OK』を、終了する場合は『Quit』を押してください。";
constexpr std::string_view kFarewellText =
    "＞承知いたしました。\n"
    "\n"
    "＞案内をご希望の場合は、『ヘルプボタン』のプルダウンメニューから『Corvidian』を選択して下さい。\n"
    "\n"
    "＞それでは失礼します。";
constexpr std::string_view kExitText = "Corvidian for Varunoを終了してもよろしいでしょうか？";
constexpr std::string_view kFirstGreeting =
    "＞はじめまして☆ Varunoをインストールしていただき、ありがとうございます。\n"
    "\n"
    "＞早速ですが、使用方法をご説明いたします。\n"
    "\n"
    "＞起動確認はいたしましたが、Varunoがまだ起動されていない場合は、手動での起動をお願いします。";
constexpr std::string_view kLaterGreeting =
    "＞おはようございます。使用方法のご説明いたしましょうか？\n"
    "\n"
    "＞起動確認はいたしましたが、Varunoがまだ起動されていない場合は、手動での起動をお願いします。";

constexpr std::span<const PointerLabel> kNoLabels;

constexpr StageContent step(int n, std::span<const PointerLabel> labels = kNoLabels) {
    return {kStepTexts[n - 1], kStepButtons, kButtonNext, labels};
}

// In the order of TourStage.
constexpr std::array<StageContent, 15> kStages = {{
    {{}, kGreetingButtons, kButtonOk, kNoLabels},
    step(1),
    step(2, kStep2Labels),
    step(3, kStep3Labels),
    step(4, kStatusLabels),
    step(5, kStep5Labels),
    step(6, kStep6Labels),
    step(7, kStep7Labels),
    step(8, kStatusLabels),
    step(9, kStep9Labels),
    step(10, kStep10Labels),
    step(11),
    {kReplayText, kReplayButtons, kButtonQuit, kNoLabels},
    {kFarewellText, kFarewellButtons, kButtonOk, kFarewellLabels},
    {kExitText, kExitButtons, kButtonNo, kNoLabels},
}};

TourStage shifted(TourStage stage, int by) { return static_cast<TourStage>(static_cast<int>(stage) + by); }

bool shows_button(TourStage stage, int button) {
    for (int b : stage_content(stage).buttons)
        if (b == button) return true;
    return false;
}

}  // namespace

const StageContent& stage_content(TourStage stage) { return kStages[static_cast<std::size_t>(stage)]; }

std::string_view greeting_text(bool tour_seen) { return tour_seen ? kLaterGreeting : kFirstGreeting; }

std::string_view stage_text(TourStage stage, bool tour_seen) {
    return stage == TourStage::kGreeting ? greeting_text(tour_seen) : stage_content(stage).text;
}

bool in_tour_sequence(TourStage stage) { return stage >= TourStage::kGreeting && stage <= TourStage::kReplayQuestion; }

TourState after_button(TourState state, int button) {
    const TourStage stage = state.stage;
    if (state.finished || !shows_button(stage, button)) return state;
    auto to_exit_confirm = [&] {
        state.return_stage = stage;
        state.stage = TourStage::kExitConfirm;
    };
    switch (stage) {
    case TourStage::kGreeting:
        if (button == kButtonOk)
            state.stage = TourStage::kStep1;
        else
            to_exit_confirm();
        break;
    case TourStage::kReplayQuestion:
        state.stage = button == kButtonOk ? TourStage::kStep1 : TourStage::kFarewell;
        break;
    case TourStage::kFarewell: state.finished = true; break;
    case TourStage::kExitConfirm:
        if (button == kButtonYes)
            state.stage = TourStage::kFarewell;
        else
            state.stage = in_tour_sequence(state.return_stage) ? state.return_stage : TourStage::kGreeting;
        break;
    default:  // the eleven steps
        if (button == kButtonNext)
            state.stage = shifted(stage, 1);  // after Step11 comes the replay question
        else if (button == kButtonPrevious)
            state.stage = shifted(stage, -1);  // before Step1 comes the greeting
        else
            to_exit_confirm();
        break;
    }
    return state;
}

TourState after_right_click(TourState state) {
    if (state.finished || state.stage == TourStage::kExitConfirm) return state;
    state.return_stage = state.stage;
    state.stage = TourStage::kExitConfirm;
    return state;
}

}  // namespace varuno::corvid
