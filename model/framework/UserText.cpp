#include "model/framework/UserText.h"

std::string CUserText::English() const {
    if (verbatim || args.empty())
        return pattern;
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < args.size()) {
            text += args[index].English();
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}
