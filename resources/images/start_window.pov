// The start window's picture: the six primitives of the "Standard Objekte" tool bar on a
// chequered floor, with the program's name. Rendered by scripts/render-pictures.
#version 3.7;
#include "colors.inc"
#include "textures.inc"
#include "metals.inc"
#include "stones.inc"

global_settings { assumed_gamma 1.0 }

camera {
  location <0, 4.2, -10>
  look_at <0, 1.6, 0>
  right x * image_width / image_height
  angle 50
}
light_source { <-8, 12, -10> color rgb 1.1 }
light_source { <10, 6, -6> color rgb 0.35 shadowless }

sky_sphere {
  pigment { gradient y color_map { [0 color rgb <0.85, 0.9, 1>] [1 color rgb <0.25, 0.45, 0.8>] } }
}
plane {
  y, 0
  pigment { checker color rgb 0.95 color rgb 0.3 scale 1.5 }
  finish { reflection 0.12 }
}

sphere { <-3.6, 1, 0.6>, 1 texture { Jade } finish { phong 0.8 } }
box { <-0.8, 0, -0.8>, <0.8, 1.6, 0.8> rotate y*30 translate <-1.1, 0, 1.6>
      pigment { color rgb <0.85, 0.15, 0.15> } finish { phong 0.6 } }
cone { <0, 0, 0>, 0.9, <0, 2.2, 0>, 0 translate <1.2, 0, 2.2>
       pigment { color rgb <0.2, 0.45, 0.9> } finish { phong 0.7 } }
torus { 0.9, 0.3 translate <0.6, 0.3, -1.6> texture { T_Gold_3C } }
cylinder { <0, 0, 0>, <0, 1.8, 0>, 0.6 translate <3.6, 0, 0.8>
           pigment { color rgb <0.95, 0.6, 0.1> } finish { phong 0.6 } }
box { <-0.9, 0, -0.9>, <0.9, 0.5, 0.9> translate <3.2, 0, -1.8>
      pigment { bozo color_map { [0 color rgb <0.3, 0.6, 0.3>] [1 color rgb <0.55, 0.4, 0.2>] } scale 0.3 } }

text {
  ttf "timrom.ttf" "Orvanta Modeller" 0.25, 0
  scale 1.1
  translate <-4.1, 3.6, 3.5>
  pigment { color rgb <0.1, 0.15, 0.35> }
  finish { phong 0.5 }
}
