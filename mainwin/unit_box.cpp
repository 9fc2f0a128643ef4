#include "mainwin/unit_box.h"

namespace varuno {

void UnitBox::opened(std::string_view text) {
    open_ = true;
    picked_ = navigated_ = false;
    text_before_ = text;
}

void UnitBox::picked() {
    if (open_) picked_ = true;
}

void UnitBox::navigated() {
    if (open_) navigated_ = true;
}

void UnitBox::closing_by_key() {
    if (open_ && navigated_) picked_ = true;
}

UnitBox::Closed UnitBox::closed(int selection) {
    if (!open_) return {false, false};
    open_ = false;
    if (!picked_) return {false, true};
    const bool changed = selection != chosen_;
    chosen_ = selection;
    return {changed, false};
}

bool UnitBox::moved(int selection) {
    if (open_ || selection == chosen_) return false;
    chosen_ = selection;
    return true;
}

bool UnitBox::typed(int match) {
    if (open_ || match == chosen_) return false;
    chosen_ = match;
    return true;
}

}  // namespace varuno
