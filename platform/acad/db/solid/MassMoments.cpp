#include "MassMoments.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace acadsim {
namespace {

// Eigenvalues and unit eigenvectors (columns of vectors) of a symmetric 3x3 matrix by Jacobi rotations.
void symmetricEigen(double a[3][3], double values[3], double vectors[3][3]) {
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) vectors[r][c] = r == c ? 1.0 : 0.0;
  for (int sweep = 0; sweep < 60; ++sweep) {
    double off = std::fabs(a[0][1]) + std::fabs(a[0][2]) + std::fabs(a[1][2]);
    double scale = std::fabs(a[0][0]) + std::fabs(a[1][1]) + std::fabs(a[2][2]);
    if (off <= 1e-300 || off <= scale * 1e-17) break;
    for (int p = 0; p < 2; ++p)
      for (int q = p + 1; q < 3; ++q) {
        if (a[p][q] == 0.0) continue;
        double theta = (a[q][q] - a[p][p]) / (2.0 * a[p][q]);
        double t = (theta >= 0 ? 1.0 : -1.0) / (std::fabs(theta) + std::sqrt(theta * theta + 1.0));
        double c = 1.0 / std::sqrt(t * t + 1.0), s = t * c;
        for (int k = 0; k < 3; ++k) {
          double akp = a[k][p], akq = a[k][q];
          a[k][p] = c * akp - s * akq;
          a[k][q] = s * akp + c * akq;
        }
        for (int k = 0; k < 3; ++k) {
          double apk = a[p][k], aqk = a[q][k];
          a[p][k] = c * apk - s * aqk;
          a[q][k] = s * apk + c * aqk;
        }
        for (int k = 0; k < 3; ++k) {
          double vkp = vectors[k][p], vkq = vectors[k][q];
          vectors[k][p] = c * vkp - s * vkq;
          vectors[k][q] = s * vkp + c * vkq;
        }
      }
  }
  for (int i = 0; i < 3; ++i) values[i] = a[i][i];
}

}  // namespace

MassMoments& MassMoments::operator+=(const MassMoments& other) {
  volume += other.volume;
  for (int i = 0; i < 3; ++i) {
    first[i] += other.first[i];
    for (int j = 0; j < 3; ++j) second[i][j] += other.second[i][j];
  }
  return *this;
}

MassMoments transformMoments(const MassMoments& m, const AcGeMatrix3d& xform) {
  double a[3][3], t[3];
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) a[i][j] = xform(i, j);
    t[i] = xform(i, 3);
  }
  double jac = std::fabs(a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) -
                         a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
                         a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]));
  double af[3] = {0, 0, 0};
  for (int i = 0; i < 3; ++i)
    for (int k = 0; k < 3; ++k) af[i] += a[i][k] * m.first[k];
  MassMoments out;
  out.volume = jac * m.volume;
  for (int i = 0; i < 3; ++i) out.first[i] = jac * (af[i] + t[i] * m.volume);
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) {
      double asa = 0.0;
      for (int k = 0; k < 3; ++k)
        for (int l = 0; l < 3; ++l) asa += a[i][k] * m.second[k][l] * a[j][l];
      out.second[i][j] = jac * (asa + af[i] * t[j] + t[i] * af[j] + m.volume * t[i] * t[j]);
    }
  return out;
}

Acad::ErrorStatus reportMassProperties(const MassMoments& m, double& volume, AcGePoint3d& centroid,
                                       double momInertia[3], double prodInertia[3], double prinMoments[3],
                                       AcGeVector3d prinAxes[3], double radiiGyration[3]) {
  if (!std::isfinite(m.volume)) return Acad::eGeneralModelingFailure;
  if (!(m.volume > 0.0)) return Acad::eDegenerateGeometry;
  const auto& s = m.second;
  double c[3] = {m.first[0] / m.volume, m.first[1] / m.volume, m.first[2] / m.volume};
  double mom[3] = {s[1][1] + s[2][2], s[0][0] + s[2][2], s[0][0] + s[1][1]};
  double prod[3] = {s[0][1], s[1][2], s[2][0]};
  // The inertia tensor about the centroid, from the second moments moved there.
  double central[3][3], tensor[3][3];
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) central[i][j] = s[i][j] - m.volume * c[i] * c[j];
  double trace = central[0][0] + central[1][1] + central[2][2];
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) tensor[i][j] = (i == j ? trace : 0.0) - central[i][j];
  double values[3], vectors[3][3];
  symmetricEigen(tensor, values, vectors);
  int order[3] = {0, 1, 2};
  std::sort(order, order + 3, [&](int x, int y) { return values[x] < values[y]; });
  AcGeVector3d axes[3];
  for (int k = 0; k < 3; ++k) axes[k] = AcGeVector3d(vectors[0][order[k]], vectors[1][order[k]], vectors[2][order[k]]);
  axes[2] = axes[0].crossProduct(axes[1]);

  double all[] = {c[0], c[1], c[2], mom[0], mom[1], mom[2], prod[0], prod[1], prod[2], values[0], values[1], values[2]};
  for (double v : all)
    if (!std::isfinite(v)) return Acad::eGeneralModelingFailure;
  volume = m.volume;
  centroid.set(c[0], c[1], c[2]);
  for (int k = 0; k < 3; ++k) {
    momInertia[k] = mom[k];
    prodInertia[k] = prod[k];
    // Rounding can leave a vanishing principal moment a hair below zero.
    prinMoments[k] = std::max(0.0, values[order[k]]);
    prinAxes[k] = axes[k];
    radiiGyration[k] = std::sqrt(std::max(0.0, mom[k]) / m.volume);
  }
  return Acad::eOk;
}

}  // namespace acadsim
