// The fuzz target of the order's file reader (clang's libFuzzer). An input
// is the bytes of a file, whole. The reader must either refuse it with one
// message, well-formed UTF-8 that names a line or the file, or give an order
// whose file reads back to the same positions: the same text written again,
// the same figures and totals. A broken rule prints what it saw and aborts,
// so libFuzzer keeps the input.
#include "orderfile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace metal;

namespace {

[[noreturn]] void Broken(const std::string &what)
{
    std::fprintf(stderr, "BROKEN RULE: %s\n", what.c_str());
    std::abort();
}

// Read independently of the reader's own check: each lead byte's length,
// then continuation bytes; overlong and surrogate forms by the value.
bool WellFormed(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : lead >> 5 == 0x6 ? 2 : lead >> 4 == 0xE ? 3 : lead >> 3 == 0x1E ? 4 : 0;
        if (length == 0 || text.size() - i < static_cast<std::size_t>(length))
            return false;
        std::uint32_t value = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80)
                return false;
            value = value << 6 | (next & 0x3F);
        }
        static constexpr std::uint32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
        if (value < kLeast[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return false;
        i += static_cast<std::size_t>(length);
    }
    return true;
}

void CheckMessage(std::string_view message)
{
    const bool named = message.starts_with("Строка ") || message.starts_with("Файл ") || message.starts_with("Это ") ||
                       message.starts_with("В файле ");
    if (!named || !message.ends_with(".") || !WellFormed(message) || message.size() > 400)
        Broken("a refusal that names no line or is not text: " + std::string(message));
}

std::string Figures(const Order &order)
{
    std::string text;
    for (std::size_t row = 0; row < order.size(); ++row) {
        const PositionFigures &figures = order.figures(row);
        text += std::to_string(figures.massTenths) + " " +
                (figures.pieceLength ? figures.pieceLength->text() : std::string("-")) + " " +
                std::to_string(figures.cost.kopecks) + "\n";
    }
    return text + std::to_string(order.totals().massTenths) + " " + std::to_string(order.totals().cost.kopecks);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    Order order;
    try {
        order = ReadOrderFile(text);
    } catch (const OrderFileError &error) {
        CheckMessage(error.what());
        return 0;
    }
    const std::string written = WriteOrderFile(order);
    Order back;
    try {
        back = ReadOrderFile(written);
    } catch (const OrderFileError &error) {
        Broken("the file written of what was read does not read: " + std::string(error.what()) + "\n" + written);
    }
    if (back.size() != order.size() || Figures(back) != Figures(order))
        Broken("read back to other figures:\n" + Figures(order) + "\nand\n" + Figures(back));
    if (WriteOrderFile(back) != written)
        Broken("written again, another text:\n" + written + "\nand\n" + WriteOrderFile(back));
    return 0;
}
