// Reading a recorded state of the harness's JSON for the deal review: the cards a list holds.
#pragma once

#include <algorithm>
#include <nlohmann/json.hpp>
#include <vector>

namespace durak {

// The tags a list of the state holds; a missing or damaged list holds none.
inline std::vector<int> TagsOf(const nlohmann::json& state, const char* key) {
  std::vector<int> tags;
  const auto it = state.find(key);
  if (it == state.end() || !it->is_array()) return tags;
  for (const nlohmann::json& v : *it)
    if (v.is_number_integer()) tags.push_back(v.get<int>());
  return tags;
}

inline bool Holds(const std::vector<int>& tags, int tag) {
  return std::find(tags.begin(), tags.end(), tag) != tags.end();
}

}  // namespace durak
