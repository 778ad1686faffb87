// Hand-written SAT bodies with curved faces (version 700 layout).
#pragma once

namespace soltest {

// A cylinder of radius 2 from z = -3 to z = 3: its side (a cone with no angle) and two caps, each rim one
// full circle.
inline constexpr const char* kCylinderSat =
    "700 0 1 0\n"
    "@7 acadsim @8 ACIS 7.0 @24 Sun Dec 06 12:00:00 2026\n"
    "1 9.9999999999999995e-007 1e-010\n"
    "body $-1 -1 $-1 $1 $-1 $-1 #\n"
    "lump $-1 -1 $-1 $-1 $2 $0 #\n"
    "shell $-1 -1 $-1 $-1 $-1 $3 $-1 $1 #\n"
    "face $-1 -1 $-1 $4 $6 $2 $-1 $7 forward single #\n"
    "face $-1 -1 $-1 $5 $8 $2 $-1 $9 forward single #\n"
    "face $-1 -1 $-1 $-1 $10 $2 $-1 $11 forward single #\n"
    "loop $-1 -1 $-1 $12 $13 $3 #\n"
    "cone-surface $-1 -1 $-1 0 0 0 0 0 1 2 0 0 1 I I 0 1 2 forward I I I I #\n"
    "loop $-1 -1 $-1 $-1 $14 $4 #\n"
    "plane-surface $-1 -1 $-1 0 0 3 0 0 1 1 0 0 forward_v I I I I #\n"
    "loop $-1 -1 $-1 $-1 $15 $5 #\n"
    "plane-surface $-1 -1 $-1 0 0 -3 0 0 -1 1 0 0 forward_v I I I I #\n"
    "loop $-1 -1 $-1 $-1 $16 $3 #\n"
    "coedge $-1 -1 $-1 $13 $13 $14 $17 reversed $6 $-1 #\n"
    "coedge $-1 -1 $-1 $14 $14 $13 $17 forward $8 $-1 #\n"
    "coedge $-1 -1 $-1 $15 $15 $16 $18 reversed $10 $-1 #\n"
    "coedge $-1 -1 $-1 $16 $16 $15 $18 forward $12 $-1 #\n"
    "edge $-1 -1 $-1 $19 0 $19 6.2831853071795862 $14 $21 forward @7 unknown #\n"
    "edge $-1 -1 $-1 $20 0 $20 6.2831853071795862 $16 $22 forward @7 unknown #\n"
    "vertex $-1 -1 $-1 $17 $23 #\n"
    "vertex $-1 -1 $-1 $18 $24 #\n"
    "ellipse-curve $-1 -1 $-1 0 0 3 0 0 1 2 0 0 1 I I #\n"
    "ellipse-curve $-1 -1 $-1 0 0 -3 0 0 1 2 0 0 1 I I #\n"
    "point $-1 -1 $-1 2 0 3 #\n"
    "point $-1 -1 $-1 2 0 -3 #\n"
    "End-of-ACIS-data\n";

// A sphere of radius 4 about (1, 2, 3): one face without loops.
inline constexpr const char* kSphereSat =
    "700 0 1 0\n"
    "@7 acadsim @8 ACIS 7.0 @24 Sun Dec 06 12:00:00 2026\n"
    "1 9.9999999999999995e-007 1e-010\n"
    "body $-1 -1 $-1 $1 $-1 $-1 #\n"
    "lump $-1 -1 $-1 $-1 $2 $0 #\n"
    "shell $-1 -1 $-1 $-1 $-1 $3 $-1 $1 #\n"
    "face $-1 -1 $-1 $-1 $-1 $2 $-1 $4 forward single #\n"
    "sphere-surface $-1 -1 $-1 1 2 3 4 1 0 0 0 0 1 forward_v I I I I #\n"
    "End-of-ACIS-data\n";

}  // namespace soltest
