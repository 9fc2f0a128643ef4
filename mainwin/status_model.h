// What the main window's status bar shows, apart from the control: the court
// and kind texts, the kept unit names and remarks, and the three marquees
// that turn their text one character per timer step. Texts are CP932.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace varuno {

struct UnitTexts {
    std::string name;
    std::string remark;  // the empty mark ";" is kept as "-"
};

class StatusModel {
public:
    StatusModel();  // the texts the bar starts with

    // The bar's part 0: "－", "Ａ" or "Ｂ" for 0, 1, 2; other values keep the text.
    void set_court(int court);
    void set_kind(std::string_view name);
    // A selection in one list: the before (after = false) or after unit.
    void list_changed(bool after, const UnitTexts& unit);
    // Both units of a court; a side without a selection is "未選択". With
    // neither selected, marquee 0 shows the usage hint.
    void refresh_units(const std::optional<UnitTexts>& before, const std::optional<UnitTexts>& after);

    // One marquee step; `widths` are the pixel widths of parts 2, 3 and 4.
    // Returns the three texts to show.
    std::array<std::string, 3> tick(const std::array<int, 3>& widths);

    // The text of the box that shows everything at once.
    std::string show_all_text(bool unit_chosen) const;

    int active_court() const { return active_court_; }
    const std::string& court_text() const { return court_text_; }
    const std::string& kind_text() const { return kind_text_; }
    const std::string& marquee(int k) const { return text_[static_cast<std::size_t>(k)]; }
    int position(int k) const { return position_[static_cast<std::size_t>(k)]; }
    int length(int k) const { return length_[static_cast<std::size_t>(k)]; }

    static std::string remark_text(std::string_view remark);  // ";" becomes "-"

private:
    void set_marquee(int k, std::string text);
    void rebuild(bool usage_hint);

    int active_court_ = 0;
    std::string court_text_, kind_text_;
    UnitTexts before_, after_;
    std::array<std::string, 3> text_;
    std::array<int, 3> position_{};
    std::array<int, 3> length_{};
};

}  // namespace varuno
