// AcGeTol: the tolerances with which the geometry library compares points and vectors.
#pragma once

class AcGeTol {
 public:
  AcGeTol() = default;
  double equalPoint() const { return mEqualPoint; }
  double equalVector() const { return mEqualVector; }
  void setEqualPoint(double val) { mEqualPoint = val; }
  void setEqualVector(double val) { mEqualVector = val; }

 private:
  double mEqualPoint = 1.0e-10;
  double mEqualVector = 1.0e-10;
};
