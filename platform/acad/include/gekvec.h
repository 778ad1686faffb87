// AcGeKnotVector: the non-decreasing knot values of a spline, with the tolerance below which knots count as equal.
#pragma once
#include "acarray.h"

class AcGeKnotVector {
 public:
  explicit AcGeKnotVector(int arrSize = 0, int arrGrowBy = 8, double tol = 1.0e-9) : mKnots(arrSize, arrGrowBy), mTol(tol) {}
  AcGeKnotVector(int size, const double source[], double tol = 1.0e-9) : mTol(tol) {
    for (int i = 0; i < size; ++i) mKnots.append(source[i]);
  }

  int length() const { return mKnots.length(); }
  int logicalLength() const { return mKnots.length(); }
  bool isEmpty() const { return mKnots.isEmpty(); }
  double operator[](int i) const { return mKnots[i]; }
  double& operator[](int i) { return mKnots[i]; }
  double startParam() const { return mKnots.first(); }
  double endParam() const { return mKnots.last(); }
  double tolerance() const { return mTol; }
  AcGeKnotVector& setTolerance(double tol) {
    mTol = tol;
    return *this;
  }
  int append(double knot) { return mKnots.append(knot); }
  AcGeKnotVector& removeAll() {
    mKnots.removeAll();
    return *this;
  }
  AcGeKnotVector& setLogicalLength(int n) {
    mKnots.setLogicalLength(n);
    return *this;
  }
  const double* asArrayPtr() const { return mKnots.asArrayPtr(); }
  // Knots closer than the tolerance count as one value.
  bool isEqualTo(const AcGeKnotVector& other) const {
    if (length() != other.length()) return false;
    for (int i = 0; i < length(); ++i)
      if ((*this)[i] - other[i] > mTol || other[i] - (*this)[i] > mTol) return false;
    return true;
  }

 private:
  AcArray<double> mKnots;
  double mTol = 1.0e-9;
};
