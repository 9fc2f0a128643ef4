// What the user has chosen in one of the editable unit lists, apart from the
// control.
//
// An editable drop-down list that opens highlights the first item that
// starts with the box's text, and closing it keeps that highlight as its
// selection, although the user chose nothing. So the list's selection is not
// the unit; this is. A choice is:
//  - a click on an item of the open list, or Enter while it is open;
//  - closing the open list by keyboard (F4, Alt+Up, Alt+Down) after moving
//    through it with the arrow or page keys;
//  - the arrow keys (or the wheel) on the closed list;
//  - typing a unit's label into the box (find_label decides which).
// Closing the list any other way (Esc, a click on its arrow or elsewhere)
// puts back the unit, and the box's text, from before it opened.
#pragma once
#include <string>
#include <string_view>

namespace varuno {

class UnitBox {
public:
    // The chosen display position, -1 for none.
    int chosen() const { return chosen_; }
    bool is_open() const { return open_; }

    // The program selects (a kind was chosen, a favourite or a search hit
    // applied): no choice of the user's.
    void set(int position) { chosen_ = position; }

    // The list drops down; `text` is what the box shows now.
    void opened(std::string_view text);
    // A click on an item, or Enter, while the list is open.
    void picked();
    // The highlight moved by the arrow or page keys while the list is open.
    void navigated();
    // F4, Alt+Up or Alt+Down close the open list: a choice after navigating.
    void closing_by_key();

    // The list has closed with `selection` highlighted. `changed`: the unit
    // is another one now; `restore`: the control must show the chosen unit
    // and the text from before it opened again.
    struct Closed {
        bool changed;
        bool restore;
    };
    Closed closed(int selection);
    // The text the box showed when the list opened.
    const std::string& text_before() const { return text_before_; }

    // The closed list's selection moved to `selection`. Answers whether the
    // unit changed; while the list is open this is only the highlight.
    bool moved(int selection);
    // The box's text was typed and matches the label at `match` (-1: no
    // label, or several). Answers whether the unit changed. While the list
    // is open the match only moves the highlight.
    bool typed(int match);

private:
    int chosen_ = -1;
    bool open_ = false;
    bool picked_ = false;
    bool navigated_ = false;
    std::string text_before_;
};

}  // namespace varuno
