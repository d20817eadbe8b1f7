#declare L = lathe { cubic_spline 3.0 <0,0> , <1,0.5> , <0,1> }
#declare P = polygon { 4.0 <0,0>, <1,0>, <1,1>, <0,1> hollow }
#declare T = text { ttf "arial.ttf" "Hello, World." 1.0000 <0.1,0,0> }
#declare D = triangle { <0,0,0>,<1,0,0>,  <0,1,0> }
#declare M = smooth_triangle { <0,0,0>,<0,0,1>,<1,0,0>,<0,0,1>,<0,1,0>,<0,0,1> }
