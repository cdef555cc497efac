#include "cli/findings.h"

#include "core/text/code_page.h"

#include <algorithm>

namespace bm::cli {
namespace {

// Report text for a terminal, added to `out`: UTF-8, and "\n" for the
// reports' CR LF.
void addDisplay(std::string& out, std::string_view bytes) {
    std::size_t from = 0;
    for (std::size_t cr = bytes.find("\r\n"); cr != std::string_view::npos;
         cr = bytes.find("\r\n", cr + 1)) {
        text::appendUtf8(out, bytes.substr(from, cr - from));
        from = cr + 1;
    }
    text::appendUtf8(out, bytes.substr(from));
}

std::string display(std::string_view bytes) {
    std::string out;
    addDisplay(out, bytes);
    return out;
}

// A report that ends its last line or not, as one that does.
void addEnded(std::string& out, std::string_view bytes) {
    const std::size_t before = out.size();
    addDisplay(out, bytes);
    if (out.size() == before || out.back() != '\n') {
        out += '\n';
    }
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

// A JSON string of data bytes.
std::string json(std::string_view bytes) {
    const std::string utf8 = text::toUtf8(bytes);
    std::string out = "\"";
    for (const char c : utf8) {
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

std::string plainReport(const std::vector<ContextFindings>& contexts) {
    std::string out;
    for (const auto& context : contexts) {
        if (!out.empty()) {
            out += "\n";
        }
        out += "Context: " + display(context.name) + "\n";
        out += std::string(checks::kDateCheckHeading) + "\n";
        addEnded(out, context.dates.report);
        if (context.scenario) {
            out += "\n" + std::string(checks::kScenarioCheckHeading) + "\n";
            addEnded(out, context.scenario->report);
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
                         [&c](const checks::DateProblem& p) {
                             return "{\"kind\": " + json(kindName(p.kind)) +
                                    ", \"subject\": " + json(p.subject) +
                                    ", \"line\": " + json(c.dates.lineOf(p)) + "}";
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
