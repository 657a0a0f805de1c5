#include "UserLabels.h"

namespace mobwright {
namespace {

Refusal LineRefusal(int line, std::string why)
{
    return {.row = line, .accepted = std::move(why)};
}

} // namespace

Checked<std::vector<std::string>> ParseLabelFile(LongList list,
                                                                      std::string_view text)
{
    const std::size_t expected = BuiltInLabels(list).size();
    // Some editors start UTF-8 with a byte-order mark, as some spreadsheets do.
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    std::vector<std::string> labels;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view label = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (label.ends_with('\r'))
            label.remove_suffix(1);
        const int line = static_cast<int>(labels.size()) + 1;
        if (labels.size() == expected)
            return LineRefusal(line, "more than " + std::to_string(expected) + " labels");
        if (std::string problem = LabelFormProblem(list, line - 1, label); !problem.empty())
            return LineRefusal(line, "the label " + problem);
        labels.emplace_back(label);
    }
    if (labels.size() != expected)
        return LineRefusal(static_cast<int>(labels.size()) + 1,
                           std::to_string(labels.size()) + " labels, " + std::to_string(expected) +
                               " expected");
    return labels;
}

} // namespace mobwright
