#declare S = sphere { <0,0,0>, 1 scale 2 }
#declare C = cone { <0,0,0>,1,<0,1,0>,0 }
#declare Z = cylinder { <0,-0.5,0>,<0,0.5,0>,1 }
#declare R = torus { 1.0 0.2500 }
#declare E = plane { <0,1,0>, 0 }
#declare H = height_field { png "hf.png" smooth water_level 0.2 }
#declare U = difference { object { S } object { C } translate <1,2,3> }
object { U }
