#include "gui/ui/text_codec.h"

#include "core/text/code_page.h"

namespace bm::gui {

QString toDisplay(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char b : bytes) {
        text.append(QChar(static_cast<char16_t>(text::characterOf(b))));
    }
    return text;
}

std::string toBytes(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // A character outside the basic plane arrives as two halves; it is
        // one character to the user and becomes one "?".
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            bytes.push_back('?');
            continue;
        }
        bytes.push_back(text::byteOf(c.unicode()));
    }
    return bytes;
}

QString toDisplayText(std::string_view bytes) {
    QString text = toDisplay(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

} // namespace bm::gui
