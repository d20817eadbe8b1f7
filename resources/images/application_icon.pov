// The program's icon: a glossy sphere on a chequered tile. Rendered by scripts/render-pictures.
#version 3.7;
#include "colors.inc"
#include "textures.inc"

global_settings { assumed_gamma 1.0 }
background { color rgbt <1, 1, 1, 1> }
camera { location <0, 3.2, -4.6> look_at <0, 0.6, 0> right x * image_width / image_height angle 44 }
light_source { <-6, 10, -8> color rgb 1.2 }

box { <-1.6, -0.2, -1.6>, <1.6, 0, 1.6>
      pigment { checker color rgb 0.95 color rgb 0.25 scale 0.8 }
      finish { reflection 0.15 } }
sphere { <0, 1, 0>, 1 pigment { color rgb <0.15, 0.5, 0.9> } finish { phong 0.9 phong_size 60 reflection 0.1 } }
