// AcGeEntity2d and AcGeCurve2d: the geometry library's bounded 2D curves, as hatch edges are handed out.
#pragma once
#include "adesk.h"
#include "gegbl.h"
#include "gepnt2d.h"
#include "getol.h"
#include "gevec2d.h"

class AcGeEntity2d {
 public:
  virtual ~AcGeEntity2d() = default;
  virtual AcGe::EntityId type() const = 0;
  virtual bool isKindOf(AcGe::EntityId id) const { return id == AcGe::kEntity2d; }
  virtual AcGeEntity2d* copy() const = 0;
};

class AcGeCurve2d : public AcGeEntity2d {
 public:
  bool isKindOf(AcGe::EntityId id) const override { return id == AcGe::kCurve2d || AcGeEntity2d::isKindOf(id); }
  // The parameter range of the curve.
  virtual double startParam() const = 0;
  virtual double endParam() const = 0;
  virtual AcGePoint2d evalPoint(double param) const = 0;
  Adesk::Boolean hasStartPoint(AcGePoint2d& startPoint) const {
    startPoint = evalPoint(startParam());
    return Adesk::kTrue;
  }
  Adesk::Boolean hasEndPoint(AcGePoint2d& endPoint) const {
    endPoint = evalPoint(endParam());
    return Adesk::kTrue;
  }
  // True when the curve ends where it starts, within tol.equalPoint().
  virtual Adesk::Boolean isClosed(const AcGeTol& tol = AcGeContext::gTol) const {
    return evalPoint(startParam()).isEqualTo(evalPoint(endParam()), tol.equalPoint());
  }
};
