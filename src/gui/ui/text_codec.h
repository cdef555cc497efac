#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace bm::gui {

// The one conversion between the bytes the data files hold and the text the
// widgets show: Windows-1252, with its five unused byte values kept as the
// control characters of the same number so that every byte survives a trip
// through a widget and back.
QString toDisplay(std::string_view bytes);
std::string toBytes(const QString& text);

// Messages use CR LF between lines; widgets want a plain line feed.
QString toDisplayText(std::string_view bytes);

} // namespace bm::gui
