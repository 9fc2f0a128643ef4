// Reads a dialog template resource (DLGTEMPLATE or DLGTEMPLATEEX, as the
// resource compiler writes them) for the pictures its static controls name,
// so that a window can put the render for its display scale in their place.
// Portable: it reads bytes; a damaged template gives what could be read.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace varuno {

struct TemplatePicture {
    int control;  // the control's id
    int bitmap;   // the bitmap resource it shows
};

// The static controls with the SS_BITMAP style whose text is a resource
// number, in template order.
std::vector<TemplatePicture> template_pictures(std::span<const std::uint8_t> dialog_template);

}  // namespace varuno
