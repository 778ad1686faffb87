#include "AnalyticMoments.h"

#include <cmath>
#include <utility>

namespace acadsim {
namespace {

constexpr double kPi = 3.14159265358979323846264338327950288;

MassMoments diagonal(double volume, double xx, double yy, double zz) {
  MassMoments m;
  m.volume = volume;
  m.second[0][0] = xx;
  m.second[1][1] = yy;
  m.second[2][2] = zz;
  return m;
}

}  // namespace

double ellipsePerimeter(double a, double b) {
  if (a < b) std::swap(a, b);
  if (!(a > 0.0)) return 0.0;
  if (!(b > 0.0)) return 4.0 * a;
  // 4a E(e) with E from K by the arithmetic-geometric mean (K = pi / (2 AGM(1, b/a))).
  double an = 1.0, gn = b / a, sum = 0.5 * (1.0 - gn * gn), weight = 0.5;
  for (int i = 0; i < 40 && std::fabs(an - gn) > 1e-16 * an; ++i) {
    double cn = 0.5 * (an - gn);
    double next = 0.5 * (an + gn);
    gn = std::sqrt(an * gn);
    an = next;
    weight *= 2.0;
    sum += weight * cn * cn;
  }
  return 4.0 * a * (kPi / (2.0 * an)) * (1.0 - sum);
}

MassMoments frustumMoments(double height, double baseX, double topX, double ratio) {
  // Three Gauss-Legendre points integrate the polynomials of degree four in z exactly.
  const double nodes[3] = {-std::sqrt(0.6), 0.0, std::sqrt(0.6)};
  const double weights[3] = {5.0 / 9.0, 8.0 / 9.0, 5.0 / 9.0};
  MassMoments m;
  for (int i = 0; i < 3; ++i) {
    double z = nodes[i] * height / 2.0;
    double w = weights[i] * height / 2.0;
    double r = baseX + (topX - baseX) * (z / height + 0.5);
    double section = kPi * ratio * r * r;
    m.volume += w * section;
    m.first[2] += w * section * z;
    m.second[2][2] += w * section * z * z;
    m.second[0][0] += w * section * r * r / 4.0;
    m.second[1][1] += w * section * ratio * ratio * r * r / 4.0;
  }
  return m;
}

double frustumArea(double height, double baseX, double topX, double ratio) {
  double slope = (topX - baseX) / height;
  double caps = kPi * ratio * (baseX * baseX + topX * topX);
  // The side's area element separates into the radius along z times an ellipse's arc element around it.
  double around = ellipsePerimeter(ratio * std::sqrt(1.0 + slope * slope), std::sqrt(1.0 + ratio * ratio * slope * slope));
  return caps + height * (baseX + topX) / 2.0 * around;
}

MassMoments sphereMoments(double radius) {
  double volume = 4.0 / 3.0 * kPi * radius * radius * radius;
  double s = volume * radius * radius / 5.0;
  return diagonal(volume, s, s, s);
}

double sphereArea(double radius) { return 4.0 * kPi * radius * radius; }

MassMoments torusMoments(double majorRadius, double minorRadius) {
  double volume = 2.0 * kPi * kPi * majorRadius * minorRadius * minorRadius;
  double inPlane = volume * (majorRadius * majorRadius / 2.0 + 3.0 * minorRadius * minorRadius / 8.0);
  return diagonal(volume, inPlane, inPlane, volume * minorRadius * minorRadius / 4.0);
}

double torusArea(double majorRadius, double minorRadius) { return 4.0 * kPi * kPi * majorRadius * minorRadius; }

MassMoments prismMoments(const PrismProfile& p, double height) {
  MassMoments m;
  double h = height;
  m.volume = p.area * h;
  m.first[0] = p.firstU * h;
  m.first[1] = p.firstV * h;
  m.first[2] = p.area * h * h / 2.0;
  m.second[0][0] = p.secondUU * h;
  m.second[1][1] = p.secondVV * h;
  m.second[2][2] = p.area * h * h * h / 3.0;
  m.second[0][1] = m.second[1][0] = p.secondUV * h;
  m.second[0][2] = m.second[2][0] = p.firstU * h * h / 2.0;
  m.second[1][2] = m.second[2][1] = p.firstV * h * h / 2.0;
  return m;
}

double prismArea(const PrismProfile& p, double height) { return 2.0 * p.area + p.perimeter * height; }

}  // namespace acadsim
