// The address of a topic of the help file, for the system's "open" action.
#pragma once
#include <string>
#include <string_view>

namespace varuno {

// A file: URL for the file at `path` (a Windows path, UTF-16) with the topic
// anchor `anchor` ("ctx80"). Characters that a URL would read as its own
// syntax ('%', '#', '?', spaces and control characters) are percent-encoded
// in UTF-8, so that a folder such as C:\Tools\C#\Varuno keeps its name.
std::u16string help_url(std::u16string_view path, std::u16string_view anchor);

}  // namespace varuno
