// The list file of bullets and cartridges, read and written without the
// window: a header closed by "$", then one line per bullet of six words
// (calibre, coefficient, drag name, weight, velocity, barrel) and a notice
// that runs to the end of the line. Numbers in the file carry a decimal comma.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

// The seven cells of one list row, columns 1 to 7 of the list grid.
enum ListColumn {
    ListCaliber,
    ListCoefficient,
    ListDrag,
    ListWeight,
    ListVelocity,
    ListBarrel,
    ListNotice,
    ListColumnCount
};
using CartridgeRow = std::array<std::string, ListColumnCount>;

// The first six cells are single words; the notice may hold blanks.
constexpr int ListWordCount = ListNotice;

// The drag cell of a row that continues the variable coefficient of the
// cartridge row above it.
inline constexpr char VariableRowMark[] = "vari.";

// The number notations of the cells: with a decimal point as the system's
// separator, cells are turned to points before they are read and numbers to
// commas before they are written; with a comma they stay as they are.
std::string CommaToPoint(std::string text, bool systemUsesDecimalPoint);
std::string PointToComma(std::string text, bool systemUsesDecimalPoint);

// What "Save List" does with a row.
enum class ListRowCheck {
    Write,
    Skip,    // calibre "0" (a row "Add Row" made and nothing filled) or no text at all
    Refuse,  // a word cell empty or with a blank inside: the file could not be read back
};
ListRowCheck CheckListRow(const CartridgeRow& row);

// The whole file for rows that CheckListRow lets through: header, then one
// line per row with the words trimmed and the five number cells in the file's
// comma notation.
std::string CartridgeListText(const std::vector<CartridgeRow>& rows, bool systemUsesDecimalPoint);

// The rows of a list file, or nothing when it is none: no "*" among its first
// 50 characters, no "$" within 1000 characters after it, or a line after the
// header with fewer than six words. Lines end at LF, CR LF or a lone CR,
// empty lines are skipped, and the cells keep the file's notation.
std::optional<std::vector<CartridgeRow>> ParseCartridgeList(const std::string& content);
