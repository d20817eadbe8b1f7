#include "colors.inc"
camera { location <0, 5, -10> look_at 0 angle 40 }
light_source { <10, 20, -10> color White }
#declare Part = difference { box { -1, 1 } sphere { 0, 1.3 inverse } cylinder { -2 * x, 2 * x, 0.5 } }
object { Part texture { pigment { checker Red, White scale 0.2 } } rotate <10, 20, 30> }
blob { threshold 0.5 sphere { 0, 1, 2 } cylinder { -x, x, 0.5, 1 } }
mesh { triangle { 0, x, y } smooth_triangle { 0, y, x, y, z, x } }
lathe { cubic_spline 4, <0, 0>, <1, 1>, <0.5, 2>, <0, 3> }
text { ttf "timrom.ttf" "Hi" 0.1, 0 }
