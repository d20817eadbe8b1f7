// constructs of POV-Ray's example scenes that the modeller reads, approximates or reports
#version 3.7;
#include "colors.inc"
#include "mine.inc"
global_settings { assumed_gamma 1.0 max_trace_level 5 }
#declare R = 2.5;
#declare Col = color rgb <1, 0.5, 0>;
camera { location <0, 2, -3> look_at <0, 1, 2> angle 45 right x*image_width/image_height rotate <0,30,0> }
light_source { <2, 4, -3>, color White shadowless area_light <5,0,0>, <0,0,5>, 5, 5 translate -z }
sphere { <0, 1, 2>, 2 pigment { color rgb <1, 0.5, 0> } finish { phong 1 ambient 0.2 specular 0.5 } scale 2 }
box { <-1,0,-1>, <1,0.5,1> translate 2.5*x rotate -y*30 }
cone { 0, 1, y*2, 0.5 open }
cylinder { -y, y, 0.5 rotate 90*z scale <1,2,3> }
torus { 2, 0.5 sturm translate <0,-1,0>*3 }
plane { -z, 4 pigment { checker color White, color Black scale 2 } }
/* a /* nested */ comment */
#if (R > 1)
  sphere { (1+2)*x, 1/2 }
#else
  sphere { 0, 1/0 }
#end
#declare S = sphere { 0, 1 }
union { object { S translate x } object { S } sphere { 0, 1 } }
object { S scale 2 matrix <1,0,0, 0,1,0, 0,0,1, 0,0,0> }
media { intervals 10 samples 1, 10 density { spherical } }
text { ttf "timrom.ttf" "POV-Ray" 0.25, <0.1, 0.2, 0> }
