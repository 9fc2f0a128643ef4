#include "mainwin/status_model.h"

#include "platform/cp932.h"
#include "unitdb/accessors.h"
#include "strkit/rotation.h"

namespace varuno {
namespace {

std::string cp(const char* utf8) { return cp932::from_utf8(utf8); }

const std::string kSpace = cp("　");  // full-width space
const std::string kUsage =
    cp("（簡単な使用手順：[1] 『Ω』マークのボタンを押して単位種を選択　→　[2] 換算前と後の単位を選択　→　[3] "
       "換算前と後の数値を入力）");

}  // namespace

StatusModel::StatusModel() : court_text_(cp("－")), kind_text_(cp("（単位種）")), before_{" ", "-"}, after_{" ", "-"} {
    set_marquee(0, cp("（日本語表記）ここをクリックして下さい。"));
    set_marquee(1, cp("換算前単位の備考　※スクロールの速度は設定から変更が可能です。また、ここやその隣のように、"
                      "線で分けられている各部分をクリックすることで、スクロール表示を待たずに、全文を表示できます。　"
                      "　　"));
    set_marquee(2, cp("換算後単位の備考　-　　"));
}

std::string StatusModel::remark_text(std::string_view remark) {
    return is_empty_mark(remark) ? "-" : std::string(remark);
}

void StatusModel::set_marquee(int k, std::string text) {
    const auto i = static_cast<std::size_t>(k);
    text_[i] = std::move(text);
    position_[i] = 0;
    length_[i] = static_cast<int>(cp932::char_count(text_[i]));
}

void StatusModel::rebuild(bool usage_hint) {
    set_marquee(0, (usage_hint ? kUsage : before_.name + cp("　→　") + after_.name) + kSpace + kSpace);
    set_marquee(1, cp("換算前単位の備考　") + before_.remark + kSpace + kSpace);
    set_marquee(2, cp("換算後単位の備考　") + after_.remark + kSpace + kSpace);
}

void StatusModel::set_court(int court) {
    static const char* const kMarks[] = {"－", "Ａ", "Ｂ"};
    if (court >= 0 && court <= 2) court_text_ = cp(kMarks[court]);
    active_court_ = court;
}

void StatusModel::set_kind(std::string_view name) { kind_text_ = name; }

void StatusModel::list_changed(bool after, const UnitTexts& unit) {
    UnitTexts& side = after ? after_ : before_;
    side.name = unit.name;
    side.remark = remark_text(unit.remark);
    rebuild(false);
}

void StatusModel::refresh_units(const std::optional<UnitTexts>& before, const std::optional<UnitTexts>& after) {
    const UnitTexts none{kSpace, cp("未選択")};
    before_ = before ? UnitTexts{before->name, remark_text(before->remark)} : none;
    after_ = after ? UnitTexts{after->name, remark_text(after->remark)} : none;
    rebuild(!before && !after);
}

std::array<std::string, 3> StatusModel::tick(const std::array<int, 3>& widths) {
    std::array<std::string, 3> shown;
    for (std::size_t k = 0; k < 3; ++k) {
        position_[k] = next_rotation(position_[k], length_[k]);
        // A text shorter than the part (in CP932 bytes) gets a gap of
        // full-width spaces, so it never follows itself without one.
        const int min_bytes = 2 * (widths[k] / 10) + 2;
        const int bytes = static_cast<int>(text_[k].size());
        if (bytes < min_bytes) {
            for (int n = (min_bytes - bytes) / 2; n > 0; --n) text_[k] += kSpace;
            length_[k] = static_cast<int>(cp932::char_count(text_[k]));
        }
        shown[k] = rotated(text_[k], position_[k]);
    }
    return shown;
}

std::string StatusModel::show_all_text(bool unit_chosen) const {
    return cp("[ステータスバーの内容]\n\n□スクロール対象\t") + court_text_ + cp("\n\n□単位種\t\t") + kind_text_ +
           cp("\n\n□日本語表記\t") + (unit_chosen ? cp("〔換算前〕　→　〔換算後〕　＝\n\t\t") : "") + text_[0] +
           cp("\n\n□") + text_[1] + cp("\n\n□") + text_[2];
}

}  // namespace varuno
