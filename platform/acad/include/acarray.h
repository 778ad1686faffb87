// AcArray: the host's growable array of values, indexed with int as ObjectARX code expects.
#pragma once
#include <algorithm>
#include <cassert>
#include <vector>

template <class T>
class AcArray {
 public:
  AcArray() = default;
  explicit AcArray(int physicalLength, int /*growLength*/ = 8) { mData.reserve(physicalLength > 0 ? physicalLength : 0); }

  int length() const { return static_cast<int>(mData.size()); }
  int logicalLength() const { return length(); }
  bool isEmpty() const { return mData.empty(); }
  bool isValid(int i) const { return i >= 0 && i < length(); }

  T& at(int i) { assert(isValid(i)); return mData[static_cast<size_t>(i)]; }
  const T& at(int i) const { assert(isValid(i)); return mData[static_cast<size_t>(i)]; }
  T& operator[](int i) { return at(i); }
  const T& operator[](int i) const { return at(i); }
  T& first() { return at(0); }
  const T& first() const { return at(0); }
  T& last() { return at(length() - 1); }
  const T& last() const { return at(length() - 1); }
  T* asArrayPtr() { return mData.data(); }
  const T* asArrayPtr() const { return mData.data(); }

  // Returns the index of the new element.
  int append(const T& value) {
    mData.push_back(value);
    return length() - 1;
  }
  AcArray& append(const AcArray& other) {
    mData.insert(mData.end(), other.mData.begin(), other.mData.end());
    return *this;
  }
  AcArray& insertAt(int i, const T& value) {
    assert(i >= 0 && i <= length());
    mData.insert(mData.begin() + i, value);
    return *this;
  }
  AcArray& setAt(int i, const T& value) {
    at(i) = value;
    return *this;
  }
  AcArray& removeAt(int i) {
    assert(isValid(i));
    mData.erase(mData.begin() + i);
    return *this;
  }
  AcArray& removeFirst() { return removeAt(0); }
  AcArray& removeLast() { return removeAt(length() - 1); }
  AcArray& removeAll() {
    mData.clear();
    return *this;
  }
  AcArray& setLogicalLength(int n) {
    mData.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return *this;
  }
  AcArray& setPhysicalLength(int n) {
    if (n > length()) mData.reserve(static_cast<size_t>(n));
    return *this;
  }
  AcArray& reverse() {
    std::reverse(mData.begin(), mData.end());
    return *this;
  }
  bool contains(const T& value, int start = 0) const { return find(value, start) >= 0; }
  int find(const T& value, int start = 0) const {
    for (int i = start < 0 ? 0 : start; i < length(); ++i)
      if (mData[static_cast<size_t>(i)] == value) return i;
    return -1;
  }
  bool operator==(const AcArray& other) const { return mData == other.mData; }

  typename std::vector<T>::iterator begin() { return mData.begin(); }
  typename std::vector<T>::iterator end() { return mData.end(); }
  typename std::vector<T>::const_iterator begin() const { return mData.begin(); }
  typename std::vector<T>::const_iterator end() const { return mData.end(); }

 private:
  std::vector<T> mData;
};
