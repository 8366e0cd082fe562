// The order's file: a CSV text that this program reads back to the same
// positions, and that a spreadsheet opens with its numbers as numbers.
//
// A spreadsheet in a Russian locale (LibreOffice Calc, Excel) reads "1,5"
// as a number and "1.5" as text or a date, and Excel there takes ';' as the
// separator of a CSV it opens, since ',' is the decimal mark. So the file is
// UTF-8 with a byte order mark (without it Excel reads the bytes as
// Windows-1251), ';' between fields, CRLF after each line, and every number
// with a decimal comma and no grouping: "3,5", "43911,00". A designation
// ("57×3.5") is written as its standard prints it, with the comma too.
//
// The first line names the columns; it is what tells the reader that the
// file is such a list. Each further line is one position: what recomputes
// it (kind, material, standard and size, the dimensions of the kind's rows
// from top to bottom, pieces, the length or the mass of one piece, price
// and unit) and, for the person reading the sheet, its name, mass and cost.
// The reader recomputes those; it never takes them from the file.
//
// Every file is read as hostile: the first fault found ends the reading
// with one message, in Russian for the person, naming the line, and no
// order at all. The reader allocates nothing before a line has passed its
// length limit and keeps at most kMaxFilePositions positions.
#pragma once

#include "order.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace metal {

// A list of 10,000 positions takes about 1.5 MB.
inline constexpr std::uint64_t kMaxOrderFileBytes = 16u << 20;
inline constexpr std::size_t kMaxOrderFileLine = 1000;  // bytes; a position takes about 150
inline constexpr std::size_t kMaxFilePositions = 100000;

// Why a file is not read: "Строка 3: неизвестный материал «Сталь 3»."
class OrderFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The file's text for the order.
std::string WriteOrderFile(const Order &order);

// Throws OrderFileError when a file of this many bytes is not worth reading;
// a caller that reads a file from disk asks before it reads.
void CheckOrderFileSize(std::uint64_t bytes);

// The order that a file's text holds, its positions in the file's order and
// nothing to undo. Throws OrderFileError, saying what is wrong and where.
Order ReadOrderFile(std::string_view text);

}  // namespace metal
