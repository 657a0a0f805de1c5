#include "Refusal.h"

#include "QuotedText.h"

namespace mobwright {

std::string Refusal::message() const
{
    const std::string quoted = text ? "\"" + QuotedForMessage(*text) + "\"" : std::string();
    if (row == 0 && place.empty() && column.empty() && field) {
        const std::string subject = "The field \"" + std::string(FieldName(*field)) + "\"";
        return text ? subject + " cannot take " + quoted + ". It accepts " + accepted + "."
                    : subject + ": " + accepted + ".";
    }
    std::string where = !place.empty() ? place
                        : row > 0      ? "Row " + std::to_string(row)
                                       : std::string("The file");
    if (!column.empty())
        where += ", column \"" + QuotedForMessage(column) + "\"";
    if (!text)
        return where + ": " + accepted + ".";
    return where + ": cannot take " + quoted + ". It accepts " + accepted + ".";
}

} // namespace mobwright
