// The main window's state and rules apart from its controls: the current
// kind and its table, the four unit boxes, the unit-chosen flag, the courts,
// the guidance lines of the lists before a kind is chosen, and the widening
// of a unit list while its drop-down is open. The window is a thin adapter
// that carries these out on its controls.
#pragma once
#include <array>
#include <optional>
#include <string_view>

#include "convert/engine.h"
#include "mainwin/courts.h"
#include "mainwin/placement.h"
#include "mainwin/unit_box.h"
#include "platform/dpi.h"
#include "unitdb/udb.h"

namespace varuno {

// The lines every unit list shows until a kind is chosen (UTF-8); choosing
// one of them opens the kind panel.
inline constexpr std::array<std::string_view, 5> kGuidanceLines{
    "―まずは単位種を選択して下さい。", "―単位種とは、単位の種類のことです。", "―例えば、面積や圧力がこれにあたります。",
    "―ここをクリックすると、", "　　自動的に単位種選択ボックスを表示します。"};

// The court of unit list j (0 A before, 1 A after, 2 B before, 3 B after).
constexpr Court court_of_list(int j) { return j < 2 ? kCourtA : kCourtB; }

// A unit list's place (client pixels; the height includes the drop-down)
// and the two controls it covers while it is widened (control ids).
struct ListPlace {
    Rect rect;
    std::array<int, 2> covered;
};

// The unit lists widen over the other court while their drop-down is open.
class ListWidening {
public:
    // List j, at `own` (its client rectangle when closed), widened: 240
    // pixels wide and 300 tall at 96 DPI, court B's lists moved 172 pixels
    // left. The covered controls are hidden meanwhile.
    ListPlace widen(int j, const Rect& own, Dpi dpi);
    // List j back where it was before it widened, its drop-down 300 pixels
    // tall at 96 DPI; the covered controls show again. None when it has not
    // widened.
    std::optional<ListPlace> restore(int j, Dpi dpi);

private:
    std::array<std::optional<Rect>, 4> closed_;
};

class MainModel {
public:
    // −1 and null until a kind is first chosen.
    int kind() const { return kind_; }
    const udb* table() const { return table_; }
    // A kind was made current: its lists were refilled and the fields
    // emptied; no unit is chosen in any list.
    void kind_chosen(int kind, const udb* table);

    UnitBox& box(int j) { return boxes_[static_cast<std::size_t>(j)]; }
    const UnitBox& box(int j) const { return boxes_[static_cast<std::size_t>(j)]; }
    Courts& courts() { return courts_; }
    const Courts& courts() const { return courts_; }

    // True from the first unit chosen in any list after a kind was made
    // current; the status bar's full-content box reads it.
    bool unit_chosen() const { return unit_chosen_; }
    void set_unit_chosen() { unit_chosen_ = true; }

    // The conversion of `court` as the window stands: its input text and the
    // units chosen in its two lists.
    ConversionRequest request(Court court, std::string_view input, const ConversionSettings& settings) const;

private:
    int kind_ = -1;
    const udb* table_ = nullptr;
    std::array<UnitBox, 4> boxes_{};
    Courts courts_;
    bool unit_chosen_ = false;
};

}  // namespace varuno
