// A compact list of DXF groups (code and typed value) as read from a file: one array and one byte pool.
#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "acadsim/DxfGroupKind.h"

namespace acadsim {

class DxfData {
 public:
  enum class Type : uint8_t { String, Real, Integer, Point, Binary };

  void addString(int code, std::string_view utf8) { addBytes(code, Type::String, utf8); }
  void addBinary(int code, std::string_view bytes) { addBytes(code, Type::Binary, bytes); }
  void addReal(int code, double value) {
    Group g{static_cast<int16_t>(code), Type::Real, 0, 0, 0};
    std::memcpy(&g.payload, &value, sizeof value);
    groups_.push_back(g);
  }
  void addInteger(int code, int64_t value) {
    groups_.push_back(Group{static_cast<int16_t>(code), Type::Integer, 0, 0, static_cast<uint64_t>(value)});
  }
  // A point of 2 or 3 coordinates under the code of its X.
  void addPoint(int code, const double* xyz, int dims) {
    addBytes(code, Type::Point, std::string_view(reinterpret_cast<const char*>(xyz), sizeof(double) * 3));
    groups_.back().dims = static_cast<uint8_t>(dims);
  }

  size_t size() const { return groups_.size(); }
  bool empty() const { return groups_.empty(); }
  void clear() {
    groups_.clear();
    pool_.clear();
  }
  // Copies other with no spare capacity, so long-lived objects do not carry a reader's scratch space.
  void assignCompact(const DxfData& other) {
    groups_.assign(other.groups_.begin(), other.groups_.end());
    pool_.assign(other.pool_.data(), other.pool_.size());
  }
  // Appends groups [first, last) of other.
  void appendRange(const DxfData& other, size_t first, size_t last);
  // Replaces the contents with groups [first, last) of other, with no spare capacity.
  void assignRange(const DxfData& other, size_t first, size_t last);

  int code(size_t i) const { return groups_[i].code; }
  Type type(size_t i) const { return groups_[i].type; }
  std::string_view string(size_t i) const { return {pool_.data() + groups_[i].payload, groups_[i].length}; }
  double real(size_t i) const {
    double v;
    std::memcpy(&v, &groups_[i].payload, sizeof v);
    return v;
  }
  int64_t integer(size_t i) const { return static_cast<int64_t>(groups_[i].payload); }
  void point(size_t i, double xyz[3]) const { std::memcpy(xyz, pool_.data() + groups_[i].payload, sizeof(double) * 3); }
  int dims(size_t i) const { return groups_[i].dims; }

 private:
  struct Group {
    int16_t code;
    Type type;
    uint8_t dims;
    uint32_t length;   // bytes in the pool
    uint64_t payload;  // real bits, integer, or pool offset
  };
  void addBytes(int code, Type type, std::string_view bytes) {
    groups_.push_back(Group{static_cast<int16_t>(code), type, 0, static_cast<uint32_t>(bytes.size()), pool_.size()});
    pool_.append(bytes.data(), bytes.size());
  }

  std::vector<Group> groups_;
  std::string pool_;
};

inline void DxfData::appendRange(const DxfData& other, size_t first, size_t last) {
  for (size_t i = first; i < last; ++i) {
    Group g = other.groups_[i];
    if (g.type == Type::String || g.type == Type::Binary || g.type == Type::Point) {
      uint64_t offset = pool_.size();
      pool_.append(other.pool_.data() + g.payload, g.length);
      g.payload = offset;
    }
    groups_.push_back(g);
  }
}

inline void DxfData::assignRange(const DxfData& other, size_t first, size_t last) {
  clear();
  size_t bytes = 0;
  for (size_t i = first; i < last; ++i)
    if (other.groups_[i].type != Type::Real && other.groups_[i].type != Type::Integer) bytes += other.groups_[i].length;
  groups_.shrink_to_fit();
  pool_.shrink_to_fit();
  groups_.reserve(last - first);
  pool_.reserve(bytes);
  appendRange(other, first, last);
}

}  // namespace acadsim
