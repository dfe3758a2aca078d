#pragma once

#include <string_view>
#include <unordered_map>
#include <vector>

#include "catalogue/CourseNode.h"

namespace orvane {

// Positions of the courses of each name, in list order; the first is the
// "first course of that name".
class NameIndex {
public:
    explicit NameIndex(const std::vector<CourseNode>& courses) {
        for (std::size_t i = 0; i < courses.size(); ++i)
            positions_[courses[i].name].push_back(i);
    }
    const std::vector<std::size_t>* Find(std::string_view name) const {
        const auto found = positions_.find(name);
        return found == positions_.end() ? nullptr : &found->second;
    }

private:
    std::unordered_map<std::string_view, std::vector<std::size_t>> positions_;
};

}  // namespace orvane
