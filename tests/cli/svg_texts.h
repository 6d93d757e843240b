// Reading an SVG figure's texts in the figure tests.
#pragma once

#include <string>
#include <vector>

// The texts of the elements of class `cls`, in order.
inline std::vector<std::string> Texts_Of_Class(const std::string& svg, const std::string& cls) {
    std::vector<std::string> texts;
    const std::string key = "class=\"" + cls + "\"";
    for (std::size_t at = svg.find(key); at != std::string::npos; at = svg.find(key, at + 1)) {
        const std::size_t open = svg.find('>', at) + 1;
        texts.push_back(svg.substr(open, svg.find('<', open) - open));
    }
    return texts;
}
