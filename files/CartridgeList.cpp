#include "files/CartridgeList.h"

#include <algorithm>
#include <string_view>

namespace {

// The header search of the reader: the "*" of the banner must come early, and
// the "$" that ends the header must follow it within this many characters.
constexpr size_t StarWithin = 50;
constexpr size_t DollarWithin = 1000;

constexpr char Blanks[] = " \t\r\n\v\f";

bool IsBlank(char ch) {
    return std::string_view(Blanks).find(ch) != std::string_view::npos;
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(Blanks);
    if (first == std::string::npos) return {};
    const size_t last = text.find_last_not_of(Blanks);
    return text.substr(first, last - first + 1);
}

std::string Replaced(std::string text, char from, char to) {
    std::replace(text.begin(), text.end(), from, to);
    return text;
}

bool IsNumberColumn(int column) {
    return column == ListCaliber || column == ListCoefficient || column == ListWeight ||
           column == ListVelocity || column == ListBarrel;
}

// Six words and the notice behind them; false when the line has fewer words.
bool SplitRowLine(const std::string& line, CartridgeRow& row) {
    size_t at = 0;
    for (int word = 0; word < ListWordCount; ++word) {
        while (at < line.size() && IsBlank(line[at])) ++at;
        if (at == line.size()) return false;
        const size_t start = at;
        while (at < line.size() && !IsBlank(line[at])) ++at;
        row[word] = line.substr(start, at - start);
    }
    // One blank separates the barrel from the notice.
    row[ListNotice] = at < line.size() ? line.substr(at + 1) : std::string();
    return true;
}

}  // namespace

std::string CommaToPoint(std::string text, bool systemUsesDecimalPoint) {
    return systemUsesDecimalPoint ? Replaced(std::move(text), ',', '.') : text;
}

std::string PointToComma(std::string text, bool systemUsesDecimalPoint) {
    return systemUsesDecimalPoint ? Replaced(std::move(text), '.', ',') : text;
}

ListRowCheck CheckListRow(const CartridgeRow& row) {
    if (row[ListCaliber] == "0") return ListRowCheck::Skip;
    if (std::all_of(row.begin(), row.end(),
                    [](const std::string& cell) { return Trimmed(cell).empty(); }))
        return ListRowCheck::Skip;
    for (int word = 0; word < ListWordCount; ++word) {
        const std::string text = Trimmed(row[word]);
        if (text.empty() || std::any_of(text.begin(), text.end(), IsBlank))
            return ListRowCheck::Refuse;
    }
    return ListRowCheck::Write;
}

std::string CartridgeListText(const std::vector<CartridgeRow>& rows, bool systemUsesDecimalPoint) {
    std::string text = "\n    *** List of Bullets and Cartridges *** \n";
    text += std::string(50, '-') + "\n";
    text += "                  Melvask \n \n";
    text += "\n Caliber [mm]  B.C. Drag   Weight [g]  Velocity [m/s]  Barrel [cm]  Notice \n";
    text += std::string(89, '-') + "$\n";
    // The blanks after each word of a row line.
    static const char* const gaps[ListWordCount] = {"       ",    "    ",        "       ",
                                                    "          ", "           ", " "};
    for (const CartridgeRow& row : rows) {
        text += ' ';
        for (int word = 0; word < ListWordCount; ++word) {
            std::string cell = Trimmed(row[word]);
            if (IsNumberColumn(word)) cell = PointToComma(std::move(cell), systemUsesDecimalPoint);
            text += cell + gaps[word];
        }
        // A line break inside the notice would end the row early.
        text += Replaced(Replaced(row[ListNotice], '\n', ' '), '\r', ' ') + "\n";
    }
    return text;
}

std::optional<std::vector<CartridgeRow>> ParseCartridgeList(const std::string& content) {
    const size_t star = content.find('*');
    if (star == std::string::npos || star >= StarWithin) return std::nullopt;
    const size_t dollar = content.find('$', star + 1);
    if (dollar == std::string::npos || dollar - star > DollarWithin) return std::nullopt;

    std::vector<CartridgeRow> rows;
    size_t start = dollar + 1;
    while (start < content.size()) {
        // LF, CR LF and a lone CR each end a line; the empty line between
        // the CR and LF of a pair is skipped with the others.
        size_t end = content.find_first_of("\r\n", start);
        if (end == std::string::npos) end = content.size();
        std::string line = content.substr(start, end - start);
        start = end + 1;
        if (Trimmed(line).empty()) continue;
        CartridgeRow row;
        if (!SplitRowLine(line, row)) return std::nullopt;
        rows.push_back(std::move(row));
    }
    return rows;
}
