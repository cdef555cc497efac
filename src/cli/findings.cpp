#include "cli/findings.h"

#include <algorithm>
#include <array>

namespace bm::cli {
namespace {

// Characters of the bytes 0x80..0x9F; the other bytes are their own code points.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Report text for a terminal: UTF-8, and "\n" for the reports' CR LF.
std::string display(std::string_view bytes) {
    std::string text = toUtf8(bytes);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        out += text[i];
    }
    return out;
}

std::string_view kindName(checks::DateFinding kind) {
    switch (kind) {
    case checks::DateFinding::ContractExpiry:
        return "contract-expiry";
    case checks::DateFinding::UnreadableExpiry:
        return "unreadable-expiry";
    case checks::DateFinding::NextBigShow:
        return "next-big-show";
    case checks::DateFinding::File:
        break;
    }
    return "file";
}

// A report that ends its last line or not, as one that does.
std::string ended(std::string text) {
    if (!text.ends_with('\n')) {
        text += '\n';
    }
    return text;
}

// A JSON string of data bytes.
std::string json(std::string_view bytes) {
    const std::string text = toUtf8(bytes);
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                static constexpr char kHex[] = "0123456789abcdef";
                out += "\\u00";
                out += kHex[(c >> 4) & 0xF];
                out += kHex[c & 0xF];
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

// "[]" or the items, one per line at `indent`, then the closing bracket.
template <typename Items, typename Write>
std::string jsonArray(const Items& items, std::string_view indent, Write write) {
    if (items.empty()) {
        return "[]";
    }
    std::string out = "[\n";
    for (std::size_t i = 0; i < items.size(); ++i) {
        out += std::string(indent) + "  " + write(items[i]);
        out += i + 1 < items.size() ? ",\n" : "\n";
    }
    return out + std::string(indent) + "]";
}

} // namespace

bool ContextFindings::foundAnything() const {
    return !dates.problems.empty() || (scenario && !scenario->ready) ||
           std::any_of(promotions.begin(), promotions.end(), [](const PromotionFindings& p) {
               return !p.error.empty() || !p.failures.empty();
           });
}

std::string toUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        const char32_t c = u >= 0x80 && u < 0xA0 ? kHighControls[u - 0x80] : u;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string plainReport(const std::vector<ContextFindings>& contexts) {
    std::string out;
    for (const auto& context : contexts) {
        if (!out.empty()) {
            out += "\n";
        }
        out += "Context: " + display(context.name) + "\n";
        out += std::string(checks::kDateCheckHeading) + "\n";
        out += ended(display(context.dates.report));
        if (context.scenario) {
            out += "\n" + std::string(checks::kScenarioCheckHeading) + "\n";
            out += ended(display(context.scenario->report));
        }
        if (!context.promotions.empty()) {
            out += "\n";
        }
        for (const auto& p : context.promotions) {
            out += "== " + display(p.file) + " ==\n";
            if (!p.error.empty()) {
                out += display(p.error) + "\n";
            }
            for (const auto& failure : p.failures) {
                out += display(failure.message) + "\n";
            }
            if (p.error.empty() && p.failures.empty()) {
                out += "OK\n";
            }
        }
    }
    return out;
}

std::string jsonReport(const std::vector<ContextFindings>& contexts) {
    const bool found = std::any_of(contexts.begin(), contexts.end(),
                                   [](const ContextFindings& c) { return c.foundAnything(); });
    const auto context = [](const ContextFindings& c) {
        std::string out = "{\n";
        out += "      \"context\": " + json(c.name) + ",\n";
        out += "      \"found\": " + std::string(c.foundAnything() ? "true" : "false") + ",\n";
        out += "      \"dateProblems\": " +
               jsonArray(c.dates.problems, "      ",
                         [](const checks::DateProblem& p) {
                             return "{\"kind\": " + json(kindName(p.kind)) +
                                    ", \"subject\": " + json(p.subject) +
                                    ", \"line\": " + json(p.line) + "}";
                         }) +
               ",\n";
        out += "      \"scenario\": ";
        if (c.scenario) {
            out += "{\n        \"ready\": " + std::string(c.scenario->ready ? "true" : "false") +
                   ",\n        \"lines\": " +
                   jsonArray(c.scenario->lines, "        ",
                             [](const std::string& line) { return json(line); }) +
                   "\n      }";
        } else {
            out += "null";
        }
        out += ",\n      \"promotions\": " +
               jsonArray(c.promotions, "      ", [](const PromotionFindings& p) {
                   std::string item = "{\"file\": " + json(p.file) +
                                      ", \"error\": " + (p.error.empty() ? "null" : json(p.error)) +
                                      ", \"failures\": [";
                   for (std::size_t i = 0; i < p.failures.size(); ++i) {
                       item += (i ? ", " : "") + std::string("{\"rule\": ") +
                               std::to_string(p.failures[i].rule) +
                               ", \"message\": " + json(p.failures[i].message) + "}";
                   }
                   return item + "]}";
               });
        return out + "\n    }";
    };
    return "{\n  \"found\": " + std::string(found ? "true" : "false") +
           ",\n  \"contexts\": " + jsonArray(contexts, "  ", context) + "\n}\n";
}

} // namespace bm::cli
