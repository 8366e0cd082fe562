#include "result.h"

namespace metal {

bool UsesStandardMass(const Choices &choices)
{
    // A sheet's standard gives its thickness; its formula gives the result.
    return choices.size && choices.size.standard->section != Section::SheetThickness;
}

double ResultValue(const Choices &choices, const FieldTexts &fields)
{
    if (UsesStandardMass(choices))
        return CalculateStandardResult(*choices.size.size, choices.material,
                                       fields[static_cast<std::size_t>(Kind(choices.kind).quantityRow)],
                                       choices.massMode);
    return CalculateResult(choices.kind, fields, Densities[choices.material], choices.massMode);
}

bool QuantityGiven(const Choices &choices, const FieldTexts &fields)
{
    const std::string_view quantity = fields[static_cast<std::size_t>(Kind(choices.kind).quantityRow)];
    return !quantity.empty() && quantity != "0";
}

std::optional<ResultText> ShownResultOf(const Choices &choices, const FieldTexts &fields,
                                        std::string_view groupSeparator)
{
    if (!QuantityGiven(choices, fields))
        return std::nullopt;
    try {
        const ResultText formatted = FormatResult(ResultValue(choices, fields), groupSeparator);
        return ResultText{ShownResult(formatted, choices.massMode, choices.kind), formatted.error};
    } catch (const CalcError &) {
        return std::nullopt;
    }
}

}  // namespace metal
