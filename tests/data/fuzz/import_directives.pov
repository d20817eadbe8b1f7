#version 3.7;
#declare N = 3;
#macro Row(K) union { #for (I, 1, K) sphere { <I, 0, 0>, 0.3 } #end } #end
#while (N > 0) object { Row(N) translate N * y } #declare N = N - 1; #end
#switch (N) #case (0) box { 0, 1 } #break #else cone { 0, 1, y, 0 } #end
isosurface { function { x * x + y - 1 } }
